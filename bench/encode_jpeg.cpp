#include <cstdio>  // jpeglib.h needs FILE and size_t declared before it

// clang-format off
#include <jpeglib.h>
// clang-format on
#include <cstdlib>

#include "bench/encode.h"

namespace bench {
namespace {

// libjpeg's default error handler reports and exits, which suits a benchmark: a file it
// cannot write is a broken benchmark, not a case to measure.
struct JpegCompressor {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  unsigned char* out = nullptr;  // malloc'd by jpeg_mem_dest
  unsigned long out_size = 0;

  JpegCompressor() {
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &out, &out_size);
  }
  ~JpegCompressor() {
    jpeg_destroy_compress(&cinfo);
    std::free(out);
  }
  JpegCompressor(const JpegCompressor&) = delete;
  JpegCompressor& operator=(const JpegCompressor&) = delete;
};

}  // namespace

File encode_jpeg(const picture::Image& image, int quality, Chroma chroma) {
  JpegCompressor jpeg;
  jpeg.cinfo.image_width = static_cast<JDIMENSION>(image.width);
  jpeg.cinfo.image_height = static_cast<JDIMENSION>(image.height);
  jpeg.cinfo.input_components = 3;
  jpeg.cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&jpeg.cinfo);  // YCbCr, luma sampled 2x2 against chroma: 4:2:0
  jpeg_set_quality(&jpeg.cinfo, quality, TRUE);
  if (chroma == Chroma::full_444) {
    jpeg.cinfo.comp_info[0].h_samp_factor = 1;
    jpeg.cinfo.comp_info[0].v_samp_factor = 1;
  }
  jpeg_start_compress(&jpeg.cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(image.width) * 3);
  while (jpeg.cinfo.next_scanline < jpeg.cinfo.image_height) {
    const int y = static_cast<int>(jpeg.cinfo.next_scanline);
    for (int x = 0; x < image.width; ++x) {
      const picture::Rgba p = image.at(x, y);
      row[3 * x] = p.r, row[3 * x + 1] = p.g, row[3 * x + 2] = p.b;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&jpeg.cinfo, rows, 1);
  }
  jpeg_finish_compress(&jpeg.cinfo);
  return File(jpeg.out, jpeg.out + jpeg.out_size);
}

}  // namespace bench
