pratovia_add_test(test_password ${CMAKE_CURRENT_SOURCE_DIR}/test_password.cpp)
pratovia_add_test(test_avvio ${CMAKE_CURRENT_SOURCE_DIR}/test_avvio.cpp)
add_dependencies(test_password delivered_files)
