# Services provided to a client and the attachments of a client card.
pratovia_add_test(test_clienti_servizi ${CMAKE_CURRENT_SOURCE_DIR}/test_clienti_servizi.cpp)
