# Setup.exe: the Win32 platform layer, the portable core and the resources (icon, manifest, version).
# A GUI program that imports only system DLLs; see cmake/WindowsLinking.cmake for the link flags.
include(${CMAKE_SOURCE_DIR}/cmake/WindowsLinking.cmake)
enable_language(RC)

file(GLOB PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
set(SETUP_RC ${CMAKE_SOURCE_DIR}/resources/Setup.rc)
add_executable(Setup WIN32 ${PLATFORM_SOURCES} ${SETUP_RC})
target_link_libraries(Setup PRIVATE core user32 gdi32 shell32 advapi32 comdlg32)
windows_unicode_program(Setup)

# windres finds the icon and manifest through the include path; rebuild the resources when either changes.
set_source_files_properties(${SETUP_RC} PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/resources
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/Setup.manifest;${CMAKE_SOURCE_DIR}/resources/MAINICON.ico")
