# storeskin: the native tool that writes the stored skin's picture stream from the skin folder
# (storeskin <skin folder> <output file>), using the portable skin code.
add_executable(storeskin ${CMAKE_SOURCE_DIR}/tools/storeskin/StoreSkin.cpp)
target_link_libraries(storeskin PRIVATE core)
