# Shared pieces of the card windows: restricted edit fields and the field table.
pratovia_add_test(test_ui_campi ${CMAKE_CURRENT_SOURCE_DIR}/test_ui_campi.cpp)
# The shared look: the symbol set in its resource, the widget kit, the fonts.
pratovia_add_test(test_ui_kit ${CMAKE_CURRENT_SOURCE_DIR}/test_ui_kit.cpp)
# The frame of the card windows, on a small card of its own.
pratovia_add_test(test_ui_finestrascheda ${CMAKE_CURRENT_SOURCE_DIR}/test_ui_finestrascheda.cpp)
