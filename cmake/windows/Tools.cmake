# Windows helpers around Setup.exe: the stand-in database installer InstDB.exe, the window waiter used by
# `make run` (x86_64 only) and the canary DLLs that the DLL-planting test puts beside the program.
include(${CMAKE_SOURCE_DIR}/cmake/WindowsLinking.cmake)

add_executable(InstDB WIN32 ${CMAKE_SOURCE_DIR}/tools/instdb/InstDB.cpp)
target_link_libraries(InstDB PRIVATE user32 kernel32)
windows_unicode_program(InstDB)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_executable(WaitWindow ${CMAKE_SOURCE_DIR}/tools/waitwindow/WaitWindow.cpp)
  target_link_libraries(WaitWindow PRIVATE user32)
  windows_unicode_program(WaitWindow)

  add_library(canary SHARED ${CMAKE_SOURCE_DIR}/tests/canary/canary.c)
  set_target_properties(canary PROPERTIES PREFIX "")
  windows_link_statically(canary)

  # Names of DLLs that programs commonly load by bare name, so a copy beside the program would be found first
  # unless the program restricts its DLL search path.
  set(CANARY_NAMES version uxtheme dwmapi cryptbase winmm profapi shfolder msimg32 userenv imm32
                   comctl32 dbghelp propsys sspicli secur32 wininet winhttp apphelp netapi32 oleacc
                   textshaping wtsapi32 riched20 mpr)
  set(CANARY_COPIES "")
  set(CANARY_COMMANDS COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/canary)
  foreach(name ${CANARY_NAMES})
    set(copy ${CMAKE_BINARY_DIR}/canary/${name}.dll)
    list(APPEND CANARY_COPIES ${copy})
    list(APPEND CANARY_COMMANDS COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:canary> ${copy})
  endforeach()
  add_custom_command(OUTPUT ${CANARY_COPIES} ${CANARY_COMMANDS} DEPENDS canary COMMENT "Staging canary DLLs")
  add_custom_target(canary_dlls ALL DEPENDS ${CANARY_COPIES})
endif()
