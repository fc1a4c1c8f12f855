# Report engine, printed lists, find-in-list, spreadsheet export.
pratovia_add_test(test_output_report ${CMAKE_CURRENT_SOURCE_DIR}/test_output_report.cpp)
pratovia_add_test(test_output_trova ${CMAKE_CURRENT_SOURCE_DIR}/test_output_trova.cpp)
pratovia_add_test(test_output_excel ${CMAKE_CURRENT_SOURCE_DIR}/test_output_excel.cpp)
# Card printing shared by the card windows (template by name, memos, outputs).
pratovia_add_test(test_output_scheda ${CMAKE_CURRENT_SOURCE_DIR}/test_output_scheda.cpp)
