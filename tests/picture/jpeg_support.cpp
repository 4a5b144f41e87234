// libjpeg used directly: a plain reference decode and a fixture encoder.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

// clang-format off
#include <jpeglib.h>
// clang-format on

#include "codec_support.h"

namespace picture::test {
namespace {

struct Errors {
  jpeg_error_mgr std;
  std::jmp_buf jump;
};

void jump(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<Errors*>(cinfo->err)->jump, 1); }
void quiet(j_common_ptr) {}

struct Decompressor {
  Decompressor() {
    cinfo.err = jpeg_std_error(&errors.std);
    errors.std.error_exit = jump;
    errors.std.output_message = quiet;
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  jpeg_decompress_struct cinfo{};
  Errors errors{};
};

// Plain pointers only inside the setjmp frame; rgb is sized from the header before use.
bool plain_decode(Decompressor* d, const std::vector<std::uint8_t>* bytes, Image* out,
                  std::vector<std::uint8_t>* rgb) {
  if (setjmp(d->errors.jump)) return false;
  jpeg_create_decompress(&d->cinfo);
  jpeg_mem_src(&d->cinfo, bytes->data(), bytes->size());
  jpeg_read_header(&d->cinfo, TRUE);
  if (d->cinfo.jpeg_color_space == JCS_CMYK || d->cinfo.jpeg_color_space == JCS_YCCK) return false;
  if (d->cinfo.image_width > 16384 || d->cinfo.image_height > 16384) return false;
  d->cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d->cinfo);
  out->width = static_cast<int>(d->cinfo.output_width);
  out->height = static_cast<int>(d->cinfo.output_height);
  rgb->resize(static_cast<std::size_t>(out->width) * 3);
  out->pixels.assign(static_cast<std::size_t>(out->width) * out->height, Rgba{});
  while (d->cinfo.output_scanline < d->cinfo.output_height) {
    JSAMPROW row = rgb->data();
    const int y = static_cast<int>(d->cinfo.output_scanline);
    jpeg_read_scanlines(&d->cinfo, &row, 1);
    for (int x = 0; x < out->width; ++x)
      out->at(x, y) = Rgba{(*rgb)[x * 3], (*rgb)[x * 3 + 1], (*rgb)[x * 3 + 2], 255};
  }
  jpeg_finish_decompress(&d->cinfo);
  return true;
}

}  // namespace

std::optional<Image> jpeg_reference(const std::vector<std::uint8_t>& bytes) {
  Decompressor d;
  Image image;
  std::vector<std::uint8_t> rgb;
  if (!plain_decode(&d, &bytes, &image, &rgb)) return std::nullopt;
  return image;
}

std::vector<std::uint8_t> write_jpeg(int width, int height, int components,
                                     const std::vector<std::uint8_t>& samples,
                                     const JpegOptions& options) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);  // fixtures are valid: libjpeg never fails here
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  if (components == 4) cinfo.write_Adobe_marker = options.adobe_marker;
  if (options.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&samples[cinfo.next_scanline * width * components]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

}  // namespace picture::test
