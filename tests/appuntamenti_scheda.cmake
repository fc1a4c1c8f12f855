# The appointment card: the card through the real windows, and its printing
# and preview.
pratovia_add_test(test_appuntamenti_scheda ${CMAKE_CURRENT_SOURCE_DIR}/test_appuntamenti_scheda.cpp)
pratovia_add_test(test_appuntamenti_stampa ${CMAKE_CURRENT_SOURCE_DIR}/test_appuntamenti_stampa.cpp)
