# Small programs that carry nothing but a version resource, for VersionInfoTest. They land
# in bin/ beside test_util.exe, which finds them through its own module path.
foreach(fixture vfix_utf8 vfix_mismatch vfix_notrans)
  add_executable(${fixture} ${CMAKE_CURRENT_LIST_DIR}/fixtures/VersionFixture.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/fixtures/${fixture}.rc)
  add_dependencies(test_util ${fixture})
endforeach()
