// picdump IN OUT.png        decode IN with the picture engine, write it as an RGBA PNG and
//                           print "format=... width=W height=H frames=N"
// picdump --frames IN DIR   write every composed frame of an animation as DIR/NNNN.png and
//                           print each frame's delay
// Exit status 1 and "no picture: <error>" on stderr when the engine finds no picture.
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/decode.h"
#include "picture/gif_animation.h"
#include "picture/recognise.h"

namespace {

using picture::Error;
using picture::Image;

struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
};

bool write_png(const std::filesystem::path& path, const Image& picture) {
  PngImage png;
  png.image.width = static_cast<png_uint_32>(picture.width);
  png.image.height = static_cast<png_uint_32>(picture.height);
  png.image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&png.image, path.c_str(), 0, picture.pixels.data(), 0, nullptr);
}

std::vector<std::uint8_t> read_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

int no_picture(Error e) {
  std::fprintf(stderr, "no picture: %s\n", std::string(picture::to_string(e)).c_str());
  return 1;
}

int gif_frame_count(picture::Bytes bytes) {
  auto animation = picture::GifAnimation::open(bytes);
  if (!animation || !animation->is_animated()) return 1;
  int frames = 1;
  // Stepping from the first frame back to it counts each frame once; an error ends the count.
  while (!animation->advance() && animation->frame_count_so_far() > frames) ++frames;
  return frames;
}

int dump_frames(picture::Bytes bytes, const std::filesystem::path& dir) {
  auto animation = picture::GifAnimation::open(bytes);
  if (!animation) return no_picture(animation.error());
  std::filesystem::create_directories(dir);
  const int frames = gif_frame_count(bytes);
  for (int i = 0; i < frames; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d.png", i);
    if (!write_png(dir / name, animation->canvas())) return 1;
    std::printf("frame=%d delay_ms=%d\n", i, animation->delay_ms());
    if (i + 1 < frames && animation->advance()) break;
  }
  return 0;
}

int dump(picture::Bytes bytes, const char* out) {
  const auto format = picture::recognise(bytes);
  if (!format) return no_picture(Error::unsupported);
  const auto image = picture::decode(bytes);
  if (!image) return no_picture(image.error());
  if (!write_png(out, *image)) {
    std::fprintf(stderr, "cannot write %s\n", out);
    return 1;
  }
  const int frames = *format == picture::Format::gif ? gif_frame_count(bytes) : 1;
  std::printf("format=%s width=%d height=%d frames=%d\n",
              std::string(picture::to_string(*format)).c_str(), image->width, image->height,
              frames);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool frames = argc == 4 && std::string(argv[1]) == "--frames";
  if (argc != 3 && !frames) {
    std::fprintf(stderr, "usage: picdump IN OUT.png | picdump --frames IN DIR\n");
    return 2;
  }
  const auto bytes = read_file(argv[frames ? 2 : 1]);
  const picture::Bytes view{bytes.data(), bytes.size()};
  return frames ? dump_frames(view, argv[3]) : dump(view, argv[2]);
}
