pratovia_add_test(test_guida ${CMAKE_CURRENT_SOURCE_DIR}/test_guida.cpp)
