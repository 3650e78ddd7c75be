# Native tools of the build and release machinery: the icon and wallpaper generators (their outputs are
# committed under resources/) and the PE checker behind scripts/check-imports.sh, with its unit tests.
add_executable(icongen ${CMAKE_SOURCE_DIR}/tools/icon/IconGen.cpp)

add_executable(wallpaper ${CMAKE_SOURCE_DIR}/tools/wallpaper/Wallpaper.cpp)
target_link_libraries(wallpaper PRIVATE JPEG::JPEG)

add_library(pefile STATIC ${CMAKE_SOURCE_DIR}/tools/pecheck/PeFile.cpp)
target_include_directories(pefile PUBLIC ${CMAKE_SOURCE_DIR}/tools ${CMAKE_SOURCE_DIR}/src)

add_executable(pecheck ${CMAKE_SOURCE_DIR}/tools/pecheck/PeCheck.cpp)
target_link_libraries(pecheck PRIVATE pefile)

target_sources(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools/pecheck/PeFileTest.cpp)
target_link_libraries(unit_tests PRIVATE pefile)
