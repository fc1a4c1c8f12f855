pratovia_add_test(test_shell_guida ${CMAKE_CURRENT_SOURCE_DIR}/test_shell_guida.cpp)
pratovia_add_test(test_shell_finestre ${CMAKE_CURRENT_SOURCE_DIR}/test_shell_finestre.cpp)
pratovia_add_test(test_shell_stile ${CMAKE_CURRENT_SOURCE_DIR}/test_shell_stile.cpp)
pratovia_add_test(test_finestre ${CMAKE_CURRENT_SOURCE_DIR}/test_finestre.cpp)
