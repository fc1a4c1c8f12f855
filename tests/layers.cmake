# The include lines of the sources: layers point down, no circles; and the
# check itself refuses a wrong include.
find_program(PYTHON3 python3)
if(PYTHON3)
  add_test(NAME layers COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/check_layers.py ${CMAKE_SOURCE_DIR})
  add_test(NAME layers_selftest COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check_layers_selftest.sh)
  set_tests_properties(layers layers_selftest PROPERTIES TIMEOUT 60)
endif()
