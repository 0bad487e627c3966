# The viewer benchmarks create the real viewer window, which loads its menu and
# accelerators from the program's resources.
foreach(_b viewer_open section_load)
  if(TARGET bench_${_b})
    target_sources(bench_${_b} PRIVATE $<TARGET_OBJECTS:brindlex_res>)
  endif()
endforeach()
# Find Files runs its real window.
if(TARGET bench_find_files)
  target_sources(bench_find_files PRIVATE $<TARGET_OBJECTS:brindlex_res>)
endif()
# The load probe reads the viewer's memory from outside.
if(TARGET bench_load_probe)
  target_link_libraries(bench_load_probe PRIVATE psapi)
endif()
