# The JPEG, PNG and GIF decoders: byte-level fixtures and the third-party suites.
add_executable(picture_codec_tests
  ${CMAKE_CURRENT_LIST_DIR}/codec_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif_lzw_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/corpus_differences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/corpus_png_jpeg_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/corpus_gif_test.cpp
)
target_link_libraries(picture_codec_tests PRIVATE picture GTest::gtest_main PNG::PNG JPEG::JPEG ZLIB::ZLIB)
target_compile_definitions(picture_codec_tests PRIVATE XPX_CORPUS_DIR="${XPX_CORPUS_DIR}")
gtest_discover_tests(picture_codec_tests DISCOVERY_TIMEOUT 30)
# Fixtures are written with designated initializers that leave the defaults alone.
target_compile_options(picture_codec_tests PRIVATE -Wno-missing-field-initializers)
