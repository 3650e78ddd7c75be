# Start-up benchmark (x86_64 only, since only that build runs here): a minimal window program as the
# reference and the timer that starts both alternately.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  include(${CMAKE_SOURCE_DIR}/cmake/WindowsLinking.cmake)
  add_executable(minimal_window WIN32 ${CMAKE_SOURCE_DIR}/tools/bench/MinimalWindow.cpp)
  windows_unicode_program(minimal_window)
  add_executable(startup_timer ${CMAKE_SOURCE_DIR}/tools/bench/StartupTimer.cpp)
  windows_unicode_program(startup_timer)
endif()
