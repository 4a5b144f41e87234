#include <cstdio>  // jpeglib.h needs FILE and size_t declared before it

// clang-format off
#include <jpeglib.h>
// clang-format on

#include "bench/bare_decode.h"

namespace bench {
namespace {

struct JpegDecompressor {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr error{};

  JpegDecompressor() {
    cinfo.err = jpeg_std_error(&error);  // reports and exits; see bare_decode.h
    jpeg_create_decompress(&cinfo);
  }
  ~JpegDecompressor() { jpeg_destroy_decompress(&cinfo); }
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;
};

std::vector<std::uint8_t> bare_jpeg(picture::Bytes file, J_COLOR_SPACE space, int channels) {
  JpegDecompressor jpeg;
  jpeg_mem_src(&jpeg.cinfo, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&jpeg.cinfo, TRUE);
  jpeg.cinfo.out_color_space = space;
  jpeg_start_decompress(&jpeg.cinfo);
  const std::size_t stride = std::size_t(jpeg.cinfo.output_width) * channels;
  std::vector<std::uint8_t> rgb(stride * jpeg.cinfo.output_height);
  while (jpeg.cinfo.output_scanline < jpeg.cinfo.output_height) {
    JSAMPROW row = &rgb[stride * jpeg.cinfo.output_scanline];
    jpeg_read_scanlines(&jpeg.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&jpeg.cinfo);
  return rgb;
}

}  // namespace

std::vector<std::uint8_t> bare_jpeg_to_rgb(picture::Bytes file) { return bare_jpeg(file, JCS_RGB, 3); }

std::vector<std::uint8_t> bare_jpeg_to_rgba(picture::Bytes file) {
  return bare_jpeg(file, JCS_EXT_RGBA, 4);
}

}  // namespace bench
