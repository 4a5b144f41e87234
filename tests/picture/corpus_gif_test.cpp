// GIF over the corpus: the suites' own reference frames, and every file played through.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "corpus_support.h"
#include "picture/decode.h"
#include "picture/gif_animation.h"

namespace picture::test {
namespace {

using Ini = std::map<std::string, std::map<std::string, std::string>>;

Ini read_ini(const std::filesystem::path& path) {
  Ini ini;
  std::ifstream in(path);
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.starts_with("[")) {
      section = line.substr(1, line.find(']') - 1);
    } else if (const auto eq = line.find(" = "); eq != std::string::npos) {
      ini[section][line.substr(0, eq)] = line.substr(eq + 3);
    } else if (line.ends_with(" =")) {
      ini[section][line.substr(0, line.size() - 2)] = "";
    }
  }
  return ini;
}

std::vector<std::string> split(const std::string& list) {
  std::vector<std::string> out;
  std::stringstream in(list);
  for (std::string item; std::getline(in, item, ',');) out.push_back(item);
  return out;
}

std::optional<Image> pygif_frame(const std::filesystem::path& dir,
                                 std::map<std::string, std::string>& frame, int w, int h) {
  if (frame.count("image")) return png_reference(read_file(dir / frame["image"]));
  const auto raw = read_file(dir / frame["pixels"]);
  if (raw.size() != static_cast<std::size_t>(w) * h * 4) return std::nullopt;
  Image image{w, h, std::vector<Rgba>(static_cast<std::size_t>(w) * h)};
  for (std::size_t i = 0; i < image.pixels.size(); ++i)
    image.pixels[i] = Rgba{raw[i * 4], raw[i * 4 + 1], raw[i * 4 + 2], raw[i * 4 + 3]};
  return image;
}

// Frame n of the animation, or the error that stopped it first.
Result<Image> play_to(const std::vector<std::uint8_t>& bytes, std::size_t n) {
  auto animation = GifAnimation::open(bytes);
  if (!animation) return animation.error();
  for (std::size_t i = 0; i < n; ++i)
    if (auto error = animation->advance()) return *error;
  return animation->canvas();
}

#define REQUIRE_CORPUS()            \
  const auto corpus = corpus_dir(); \
  if (!corpus) GTEST_SKIP() << "no corpus at " XPX_CORPUS_DIR " (see SOURCES.md there)"

TEST(GifCorpus, PygifSuiteFramesMatch) {
  REQUIRE_CORPUS();
  const auto dir = *corpus / "gif/pygif-test-suite";
  int files = 0;
  for (const auto& conf : files_with_extension(dir, ".conf")) {
    Ini ini = read_ini(conf);
    auto& config = ini["config"];
    const auto gif = dir / config["input"];
    const auto bytes = read_file(gif);
    const auto frames = split(config["frames"]);
    const int w = std::stoi(config["width"]), h = std::stoi(config["height"]);
    if (frames.empty()) check_against_suite(gif, decode_gif(bytes), false, std::nullopt);
    // One verdict per file: the first frame that differs, else the last one.
    for (std::size_t i = 0; i < frames.size(); ++i) {
      const auto reference = pygif_frame(dir, ini[frames[i]], w, h);
      const auto got = play_to(bytes, i);
      const bool differs = !got.ok() || !reference || max_channel_difference(*got, *reference) != 0;
      if (differs || i + 1 == frames.size()) {
        check_against_suite(gif, got, true, reference);
        break;
      }
    }
    ++files;
  }
  EXPECT_GT(files, 80);
}

TEST(GifCorpus, PeterdnSuiteFramesMatch) {
  REQUIRE_CORPUS();
  const auto dir = *corpus / "gif/peterdn-gif-test-suite/gifs";
  for (const auto& gif : files_with_extension(dir, ".gif")) {
    const auto bytes = read_file(gif);
    const std::string stem = gif.stem().string();
    if (std::filesystem::exists(dir / "frames" / (stem + ".png"))) {
      check_against_suite(gif, decode_gif(bytes), true,
                          png_reference(read_file(dir / "frames" / (stem + ".png"))));
      continue;
    }
    for (std::size_t i = 0; i < 4; ++i) {
      const auto frame = dir / "frames" / (stem + "-" + std::to_string(i) + ".png");
      check_against_suite(gif, play_to(bytes, i), true, png_reference(read_file(frame)));
    }
  }
}

// image-rs renders the first frame. (The same-stem PNGs of the wuffs GIFs are the pictures
// before they were quantised to GIF, not renderings, so they serve no comparison.)
TEST(GifCorpus, FirstFramesMatchTheSuitesRenderings) {
  REQUIRE_CORPUS();
  for (const auto& gif : files_with_extension(*corpus / "gif/image-rs/images", ".gif")) {
    const auto rel = std::filesystem::relative(gif, *corpus / "gif/image-rs/images");
    const auto png = *corpus / "gif/image-rs/reference" / (rel.generic_string() + ".png");
    check_against_suite(gif, decode_gif(read_file(gif)), true, png_reference(read_file(png)));
  }
}

// The image-gif samples and the ordinary wuffs pictures are valid: each must decode.
TEST(GifCorpus, ValidSamplesDecode) {
  REQUIRE_CORPUS();
  auto files = files_with_extension(*corpus / "gif/image-gif/samples", ".gif");
  for (const auto& gif : files_with_extension(*corpus / "gif/wuffs", ".gif"))
    if (gif.parent_path().filename() == "wuffs" &&
        gif.string().find("truncated") == std::string::npos)
      files.push_back(gif);
  for (const auto& gif : files)
    check_against_suite(gif, decode_gif(read_file(gif)), true, std::nullopt);
  EXPECT_GT(files.size(), 20u);
}

// Every GIF in the corpus, valid or hostile, played for a while: nothing crashes, hangs or
// grows past one canvas; the stall case is among them.
TEST(GifCorpus, EveryFilePlaysWithinTheCap) {
  REQUIRE_CORPUS();
  int files = 0;
  for (const auto& gif : files_with_extension(*corpus / "gif", ".gif")) {
    const auto bytes = read_file(gif);
    auto animation = GifAnimation::open(bytes);
    ++files;
    if (!animation) continue;
    const std::size_t size = animation->canvas().pixels.size();
    EXPECT_LE(size, 64'000'000u);
    for (int i = 0; i < 100 && !animation->advance(); ++i)
      ASSERT_EQ(animation->canvas().pixels.size(), size) << relative_to_corpus(gif);
  }
  EXPECT_GT(files, 150);
}

}  // namespace
}  // namespace picture::test
