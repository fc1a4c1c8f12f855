# The agenda: the imminent list, its window, the alert, the WhatsApp reminder
# and the printed list; the day, month and imminent grids.
pratovia_add_test(test_agenda ${CMAKE_CURRENT_SOURCE_DIR}/test_agenda.cpp)
add_dependencies(test_agenda delivered_files)
pratovia_add_test(test_agenda_griglie ${CMAKE_CURRENT_SOURCE_DIR}/test_agenda_griglie.cpp)
