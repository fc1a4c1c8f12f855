# Client search and clients to recontact.
pratovia_add_test(test_clienti_ricerca ${CMAKE_CURRENT_SOURCE_DIR}/test_clienti_ricerca.cpp)
