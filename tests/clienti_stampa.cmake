# Client sheet (preview, print, PDF), client archive export, client call history.
pratovia_add_test(test_clienti_stampa ${CMAKE_CURRENT_SOURCE_DIR}/test_clienti_stampa.cpp)
pratovia_add_test(test_clienti_export ${CMAKE_CURRENT_SOURCE_DIR}/test_clienti_export.cpp)
