# Shared pieces of the card windows: restricted edit fields and the field table.
pratovia_add_test(test_ui_campi ${CMAKE_CURRENT_SOURCE_DIR}/test_ui_campi.cpp)
