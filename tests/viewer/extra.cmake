# Files in several encodings with the characters Python's codecs make of them, beside the test programs.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(_encoded ${CMAKE_BINARY_DIR}/bin/encoded)
add_custom_command(OUTPUT ${_encoded}/big_utf8.0.expect
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/fixtures/encoded.py ${_encoded}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fixtures/encoded.py)
add_custom_target(encoded_fixtures DEPENDS ${_encoded}/big_utf8.0.expect)
add_dependencies(test_viewer encoded_fixtures)
add_dependencies(test_e2e encoded_fixtures)
