pratovia_add_test(test_record ${CMAKE_CURRENT_SOURCE_DIR}/test_record.cpp)
pratovia_add_test(test_archivio ${CMAKE_CURRENT_SOURCE_DIR}/test_archivio.cpp)
pratovia_add_test(test_formati ${CMAKE_CURRENT_SOURCE_DIR}/test_formati.cpp)
pratovia_add_test(test_crypt_ini ${CMAKE_CURRENT_SOURCE_DIR}/test_crypt_ini.cpp)
pratovia_add_test(test_tmisc ${CMAKE_CURRENT_SOURCE_DIR}/test_tmisc.cpp)

# Several processes appending to one file at once.
add_executable(archivio_appender ${CMAKE_CURRENT_SOURCE_DIR}/archivio_appender.cpp)
target_link_libraries(archivio_appender PRIVATE pratovia)
pratovia_add_test(test_concorrenza ${CMAKE_CURRENT_SOURCE_DIR}/test_concorrenza.cpp)
add_dependencies(test_concorrenza archivio_appender)
target_compile_definitions(test_concorrenza PRIVATE APPENDER_PATH="$<TARGET_FILE:archivio_appender>")
pratovia_add_test(test_appuntamenti_regole ${CMAKE_CURRENT_SOURCE_DIR}/test_appuntamenti_regole.cpp)
