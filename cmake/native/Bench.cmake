# Native benchmark of the background picture (load, decode, stretch) against Debian's djpeg;
# scripts/bench-picture.sh builds and runs it.
add_executable(picture_bench tools/bench/PictureBench.cpp)
target_link_libraries(picture_bench PRIVATE core)
