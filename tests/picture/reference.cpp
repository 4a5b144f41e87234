#include "reference.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <fstream>
#include <iterator>
#include <memory>

namespace reference {
namespace {

struct PngReader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Any bit depth and colour type becomes 8-bit RGBA; no gamma or colour-space conversion,
// since the references store the intended sample values.
void expand_to_rgba8(png_structp png, png_infop info) {
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  if (!(png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) &&
      !png_get_valid(png, info, PNG_INFO_tRNS))
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// Everything after setjmp lives here, so no local of the caller changes between setjmp and
// a longjmp out of libpng.
[[gnu::noinline]] void read_into(png_structp png, png_infop info, std::FILE* file,
                                 picture::Image& image) {
  png_init_io(png, file);
  png_read_info(png, info);
  expand_to_rgba8(png, info);
  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < image.height; ++y)
    rows.push_back(reinterpret_cast<png_bytep>(&image.at(0, y)));
  png_read_image(png, rows.data());
}

}  // namespace

std::filesystem::path corpus_dir() {
  const std::filesystem::path dir = XPX_CORPUS_DIR;
  return std::filesystem::is_directory(dir) ? dir : std::filesystem::path{};
}

std::optional<fixture::ByteVector> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return fixture::ByteVector(std::istreambuf_iterator<char>(in), {});
}

std::optional<picture::Image> read_png(const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  PngReader r;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!r.png) return std::nullopt;
  r.info = png_create_info_struct(r.png);
  picture::Image image;
  if (!r.info || setjmp(png_jmpbuf(r.png))) return std::nullopt;
  read_into(r.png, r.info, file.get(), image);
  return image;
}

std::vector<std::filesystem::path> files_under(const std::filesystem::path& dir,
                                               const std::vector<std::string>& exts) {
  std::vector<std::filesystem::path> out;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (entry.is_regular_file() && std::find(exts.begin(), exts.end(), ext) != exts.end())
      out.push_back(entry.path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::optional<std::string> first_difference(const picture::Image& got, const picture::Image& want) {
  if (got.width != want.width || got.height != want.height)
    return "size " + std::to_string(got.width) + "x" + std::to_string(got.height) + " vs " +
           std::to_string(want.width) + "x" + std::to_string(want.height);
  for (int y = 0; y < got.height; ++y)
    for (int x = 0; x < got.width; ++x) {
      const picture::Rgba a = got.at(x, y), b = want.at(x, y);
      if (a == b) continue;
      auto str = [](picture::Rgba p) {
        return std::to_string(p.r) + "," + std::to_string(p.g) + "," + std::to_string(p.b) + "," +
               std::to_string(p.a);
      };
      return "pixel " + std::to_string(x) + "," + std::to_string(y) + ": " + str(a) + " vs " +
             str(b);
    }
  return std::nullopt;
}

}  // namespace reference
