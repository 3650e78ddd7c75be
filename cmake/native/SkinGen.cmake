# skingen: the native tool that draws the stored skin's pictures and writes them with SKIN.INI into skin/.
# Its output is committed; the build itself never runs it. Standard library only, no link to the core.
file(GLOB SKINGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/skingen/*.cpp)
add_executable(skingen ${SKINGEN_SOURCES})
