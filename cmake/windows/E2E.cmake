# End-to-end tests: e2e_tests.exe, a Windows console program that starts the x86_64 launcher under Wine
# and drives it with real input. Built for x86_64 only: 32-bit programs cannot run on the test machines.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # GoogleTest from Debian's sources; MinGW here has the win32 thread model, so no pthreads.
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Third-party code: its warnings are not ours to fix, and must not break a -Werror build.
  target_compile_options(gtest PRIVATE -w)
  # GCC 12 with win32 threads has no std::mutex, which GoogleTest's Notification uses: a port header of
  # ours, found before GoogleTest's own empty one, supplies a Win32 one.
  target_include_directories(gtest BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/tests/e2e/gtest-port)

  file(GLOB E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(e2e_tests ${E2E_SOURCES})
  target_compile_definitions(e2e_tests PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # jpeg: the same libjpeg the program links, to make test pictures and read its message codes.
  target_link_libraries(e2e_tests PRIVATE gtest jpeg user32 gdi32)
  target_link_options(e2e_tests PRIVATE -static -static-libgcc -static-libstdc++)
endif()
