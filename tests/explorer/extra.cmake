# A program that records the command line it was started with, for the Open With tests. It
# lands in bin/ beside test_explorer.exe, which finds it through its own module path.
add_executable(argsrecorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/fixtures/ArgsRecorder.cpp)
target_link_libraries(argsrecorder PRIVATE brindlex_core)
add_dependencies(test_explorer argsrecorder)
