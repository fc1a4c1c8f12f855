# The search window base, its record-file lists, the sort, the mode writers.
pratovia_add_test(test_finestra_ricerca ${CMAKE_CURRENT_SOURCE_DIR}/test_finestra_ricerca.cpp)
