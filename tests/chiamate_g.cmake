# The windows the call card opens: search, today's calls, register export,
# printing and preview.
pratovia_add_test(test_chiamate_ricerca ${CMAKE_CURRENT_SOURCE_DIR}/test_chiamate_ricerca.cpp)
pratovia_add_test(test_chiamate_export ${CMAKE_CURRENT_SOURCE_DIR}/test_chiamate_export.cpp)
pratovia_add_test(test_chiamate_stampa ${CMAKE_CURRENT_SOURCE_DIR}/test_chiamate_stampa.cpp)
