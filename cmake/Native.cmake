# Native Linux build: the portable core's unit tests (GoogleTest), benchmarks and tools.
enable_testing()
find_package(GTest REQUIRED)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp src/platform/null/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE core GTest::gtest GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME unit_tests COMMAND unit_tests)

# Further native targets (skin generator, benchmarks) add themselves here.
file(GLOB NATIVE_EXTRAS CONFIGURE_DEPENDS cmake/native/*.cmake)
foreach(extra ${NATIVE_EXTRAS})
  include(${extra})
endforeach()
