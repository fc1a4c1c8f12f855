# The income summary: its rules over the appointment file, and its two windows.
pratovia_add_test(test_incassi_regole ${CMAKE_CURRENT_SOURCE_DIR}/test_incassi_regole.cpp)
pratovia_add_test(test_incassi_finestre ${CMAKE_CURRENT_SOURCE_DIR}/test_incassi_finestre.cpp)
