# The lists the appointment card opens: the search, the three commitment
# lists and the archive export.
pratovia_add_test(test_appuntamenti_ricerca ${CMAKE_CURRENT_SOURCE_DIR}/test_appuntamenti_ricerca.cpp)
pratovia_add_test(test_appuntamenti_impegni ${CMAKE_CURRENT_SOURCE_DIR}/test_appuntamenti_impegni.cpp)
pratovia_add_test(test_appuntamenti_export ${CMAKE_CURRENT_SOURCE_DIR}/test_appuntamenti_export.cpp)
