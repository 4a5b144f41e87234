// JPEG through libjpeg. libjpeg reports fatal errors by calling error_exit, which must not
// return; ours longjmps back into decompress_jpeg(), the one function holding a setjmp frame.
// That function is plain C in spirit: no C++ object with a destructor lives in it, so the
// jump skips nothing that needed cleaning up.
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared before it

// clang-format off
#include <jpeglib.h>
#include <jerror.h>  // after jpeglib.h, which it needs
// clang-format on

#include "picture/decode.h"
#include "picture/limits.h"

namespace picture {
namespace {

static_assert(sizeof(Rgba) == 4, "JCS_EXT_RGBA scanlines are written straight into the image");

// Any more scans than this is a denial of service, not a picture: real progressive files
// have about ten, hostile ones thousands of tiny scans that each cost a full pass.
constexpr int max_scans = 1000;

struct JpegErrorManager {
  jpeg_error_mgr std;  // first: libjpeg sees this struct through cinfo->err
  std::jmp_buf jump;
  bool in_header = true;
  bool too_large = false;  // refused by our cap, not by libjpeg
};

void jump_back(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->jump, 1);
}
void stay_silent(j_common_ptr) {}
void stay_silent_at_level(j_common_ptr, int) {}

void limit_scans(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > max_scans) {
    cinfo->err->msg_code = JERR_NOT_COMPILED;  // reported as unsupported, see error_of()
    jump_back(cinfo);
  }
}

// Owns the decompressor and what libjpeg points into; destroys it on every path.
class JpegDecompressor {
 public:
  JpegDecompressor() {
    cinfo.err = jpeg_std_error(&errors.std);
    errors.std.error_exit = jump_back;
    errors.std.output_message = stay_silent;
    errors.std.emit_message = stay_silent_at_level;  // warnings, e.g. premature end of data
    progress.progress_monitor = limit_scans;
  }
  ~JpegDecompressor() { jpeg_destroy_decompress(&cinfo); }  // safe even if never created
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;

  jpeg_decompress_struct cinfo{};
  JpegErrorManager errors{};
  jpeg_progress_mgr progress{};
};

// CMYK as Adobe writes it (any file with an APP14 "Adobe" marker) is stored inverted: 0 is
// full ink. Files without the marker are rare and store plain ink amounts. Browsers and
// libjpeg's own tools make the same distinction. Ink to RGB is the naive subtraction; we do
// no colour management.
void cmyk_row_to_rgba(const JSAMPLE* cmyk, Rgba* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    out[x] = Rgba{static_cast<std::uint8_t>(c * k / 255), static_cast<std::uint8_t>(m * k / 255),
                  static_cast<std::uint8_t>(y * k / 255), 255};
  }
}

// Gives the RGBA buffer for a picture of the checked size, or nothing.
Rgba* allocate_output(Image* image, JDIMENSION width, JDIMENSION height) {
  auto allocated = allocate_image(static_cast<int>(width), static_cast<int>(height));
  if (!allocated) return nullptr;
  *image = std::move(*allocated);
  return image->pixels.data();
}

bool is_cmyk(const jpeg_decompress_struct& cinfo) {
  return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

void read_rows(jpeg_decompress_struct* cinfo, Rgba* pixels) {
  const bool cmyk = cinfo->out_color_space == JCS_CMYK;
  JSAMPARRAY cmyk_row = cmyk ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo),
                                                           JPOOL_IMAGE, cinfo->output_width * 4, 1)
                             : nullptr;
  const bool inverted = cinfo->saw_Adobe_marker;
  while (cinfo->output_scanline < cinfo->output_height) {
    Rgba* out = pixels + static_cast<std::size_t>(cinfo->output_scanline) * cinfo->output_width;
    if (cmyk) {
      jpeg_read_scanlines(cinfo, cmyk_row, 1);
      cmyk_row_to_rgba(cmyk_row[0], out, cinfo->output_width, inverted);
    } else {
      JSAMPROW row = reinterpret_cast<JSAMPROW>(out);
      jpeg_read_scanlines(cinfo, &row, 1);
    }
  }
}

// The standard sequence. Returns false after a libjpeg error or a refused size; d->errors
// says which.
bool decompress_jpeg(JpegDecompressor* d, const unsigned char* data, unsigned long size,
                     Image* image) {
  jpeg_decompress_struct* cinfo = &d->cinfo;
  if (setjmp(d->errors.jump)) return false;
  jpeg_create_decompress(cinfo);
  cinfo->progress = &d->progress;
  jpeg_mem_src(cinfo, data, size);
  jpeg_read_header(cinfo, TRUE);
  d->errors.in_header = false;
  if (!size_allowed(cinfo->image_width, cinfo->image_height)) {
    d->errors.too_large = true;
    return false;
  }
  // Asking libjpeg for RGB from CMYK fails, so CMYK comes out as such and we convert.
  cinfo->out_color_space = is_cmyk(*cinfo) ? JCS_CMYK : JCS_EXT_RGBA;
  jpeg_start_decompress(cinfo);
  Rgba* pixels = allocate_output(image, cinfo->output_width, cinfo->output_height);
  if (!pixels) {
    d->errors.too_large = true;
    return false;
  }
  read_rows(cinfo, pixels);
  // A file that ends early got its missing rows filled by libjpeg (with a warning we keep
  // silent); that picture is what we show, like every viewer built on libjpeg.
  jpeg_finish_decompress(cinfo);
  return true;
}

Error error_of(const JpegDecompressor& d) {
  switch (d.errors.std.msg_code) {
    case JERR_BAD_PRECISION:    // 12- and 16-bit samples
    case JERR_SOF_UNSUPPORTED:  // lossless and other processes libjpeg lacks
    case JERR_NOT_COMPILED:     // features left out of the build, or too many scans
    case JERR_ARITH_NOTIMPL:
    case JERR_CONVERSION_NOTIMPL:
      return Error::unsupported;
    case JERR_INPUT_EMPTY:
      return Error::truncated;
    default:
      return d.errors.in_header ? Error::bad_header : Error::corrupt;
  }
}

}  // namespace

Result<Image> decode_jpeg(Bytes bytes) {
  JpegDecompressor decompressor;
  Image image;
  if (decompress_jpeg(&decompressor, bytes.data(), static_cast<unsigned long>(bytes.size()),
                      &image))
    return image;
  if (decompressor.errors.too_large) return Error::too_large;
  return error_of(decompressor);
}

}  // namespace picture
