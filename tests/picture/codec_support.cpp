#include "codec_support.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace picture::test {

std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::filesystem::path> corpus_dir() {
  const std::filesystem::path dir = XPX_CORPUS_DIR;
  if (!std::filesystem::is_directory(dir)) return std::nullopt;
  return dir;
}

std::vector<std::filesystem::path> files_with_extension(const std::filesystem::path& dir,
                                                        const std::string& extension) {
  std::vector<std::filesystem::path> files;
  if (!std::filesystem::is_directory(dir)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.size() > extension.size() &&
        name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

namespace {

struct PngSource {
  const std::vector<std::uint8_t>* bytes;
  std::size_t pos = 0;
};

void read_from_memory(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (source->bytes->size() - source->pos < length) png_error(png, "end of data");
  std::copy_n(source->bytes->data() + source->pos, length, out);
  source->pos += length;
}

void quiet(png_structp, png_const_charp) {}

class PngReader {
 public:
  PngReader() {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quiet, quiet);
    if (png) info = png_create_info_struct(png);
  }
  ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
  png_structp png = nullptr;
  png_infop info = nullptr;
};

void set_rgba8_transforms(png_structp png, png_infop info) {
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_alpha_mode(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// The setjmp frame holds plain pointers only; out is sized before any row is read.
bool read_png(PngReader* reader, PngSource* source, Image* out, std::vector<png_bytep>* rows) {
  if (!reader->png || !reader->info) return false;
  if (setjmp(png_jmpbuf(reader->png))) return false;
  png_set_read_fn(reader->png, source, read_from_memory);
  png_set_user_limits(reader->png, 16384, 16384);
  png_read_info(reader->png, reader->info);
  set_rgba8_transforms(reader->png, reader->info);
  out->width = static_cast<int>(png_get_image_width(reader->png, reader->info));
  out->height = static_cast<int>(png_get_image_height(reader->png, reader->info));
  out->pixels.assign(static_cast<std::size_t>(out->width) * out->height, Rgba{});
  rows->resize(out->height);
  for (int y = 0; y < out->height; ++y) (*rows)[y] = reinterpret_cast<png_bytep>(&out->at(0, y));
  png_read_image(reader->png, rows->data());
  png_read_end(reader->png, nullptr);
  return true;
}

}  // namespace

std::optional<Image> png_reference(const std::vector<std::uint8_t>& bytes) {
  PngReader reader;
  PngSource source{&bytes};
  Image image;
  std::vector<png_bytep> rows;
  if (!read_png(&reader, &source, &image, &rows)) return std::nullopt;
  return image;
}

std::optional<int> max_channel_difference(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return std::nullopt;
  int worst = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) {
    const Rgba p = a.pixels[i], q = b.pixels[i];
    if (p.a == 0 && q.a == 0) continue;  // colour under full transparency never shows
    worst = std::max({worst, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b),
                      std::abs(p.a - q.a)});
  }
  return worst;
}

std::string first_difference(const Image& got, const Image& want) {
  std::ostringstream out;
  if (got.width != want.width || got.height != want.height) {
    out << "size " << got.width << "x" << got.height << " want " << want.width << "x"
        << want.height;
    return out.str();
  }
  for (int y = 0; y < got.height; ++y)
    for (int x = 0; x < got.width; ++x) {
      const Rgba g = got.at(x, y), w = want.at(x, y);
      if (g == w) continue;
      out << x << "," << y << ": got (" << +g.r << "," << +g.g << "," << +g.b << "," << +g.a
          << ") want (" << +w.r << "," << +w.g << "," << +w.b << "," << +w.a << ")";
      return out.str();
    }
  return "identical";
}

}  // namespace picture::test
