# Services provided to a client and the attachments of a client card.
pratovia_add_test(test_clienti_servizi ${CMAKE_CURRENT_SOURCE_DIR}/test_clienti_servizi.cpp)

# Copies an attachment in a process of its own, so the test can run it as a
# user file permissions apply to.
add_executable(allegati_copia ${CMAKE_CURRENT_SOURCE_DIR}/allegati_copia.cpp)
target_link_libraries(allegati_copia PRIVATE pratovia)
add_dependencies(test_clienti_servizi allegati_copia)
target_compile_definitions(test_clienti_servizi PRIVATE ALLEGATI_COPIA_PATH="$<TARGET_FILE:allegati_copia>")
