// What the picture boxes do with picked files: alpha over the button face, a GIF that plays
// in the result panel but stands still in the preview, and bytes that are no picture.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

#include "tests/picture/gif_writer.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "tests/windows/main_window_session.h"

namespace xpx::test {
namespace {

using PictureBox = MainWindowSession;

// An 8x8 RGBA PNG: the left half clear red (alpha 0), the right half red at alpha 128.
std::vector<std::uint8_t> half_transparent_png() {
  std::vector<std::uint8_t> rgba(8 * 8 * 4);
  for (int i = 0; i < 64; ++i) {
    std::uint8_t* p = &rgba[static_cast<std::size_t>(i) * 4];
    p[0] = 255;
    p[3] = i % 8 < 4 ? 0 : 128;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = image.height = 8;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::vector<std::uint8_t> out(size);
  png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr);
  out.resize(size);
  return out;
}

// c * a + b * (1 - a), a = alpha / 255, truncated.
Rgb over_face(Rgb c, int alpha) {
  const Rgb b = button_face();
  const auto mix = [&](int c, int b) {
    return static_cast<std::uint8_t>((c * alpha + b * (255 - alpha)) / 255);
  };
  return {mix(c.r, b.r), mix(c.g, b.g), mix(c.b, b.b)};
}

// Two 4x4 frames, red then blue, 0.1 s each, looping.
std::vector<std::uint8_t> red_blue_gif() {
  using picture::Rgba;
  picture::test::GifLayout layout{.width = 4, .height = 4,
                              .global_palette = {Rgba{230, 20, 20, 255}, Rgba{20, 20, 230, 255}}};
  for (std::uint8_t index : {0, 1})
    layout.frames.push_back({.width = 4, .height = 4, .indices = std::vector<std::uint8_t>(16, index),
                           .graphic_control = true, .delay_cs = 10});
  return picture::test::write_gif(layout);
}
constexpr Rgb gif_red{230, 20, 20}, gif_blue{20, 20, 230};

Rgb colour_at(HWND box, double fx, double fy) {
  const RECT r = client_rect_on_screen(box);
  const int x = r.left + static_cast<int>((r.right - r.left) * fx);
  const int y = r.top + static_cast<int>((r.bottom - r.top) * fy);
  return ScreenShot({x, y, x + 1, y + 1}).at(0, 0);
}

TEST_F(PictureBox, TransparentPngPixelsShowTheButtonFace) {
  ASSERT_TRUE(pick(folder.write(L"alpha.png", half_transparent_png())));
  const Rgb half = over_face({255, 0, 0}, 128);
  HWND preview = control(L"图片框1");
  EXPECT_TRUE(wait_until([&] { return colour_at(preview, 0.75, 0.5) == half; }))
      << testing::PrintToString(colour_at(preview, 0.75, 0.5)) << " instead of "
      << testing::PrintToString(half);
  EXPECT_EQ(colour_at(preview, 0.2, 0.5), button_face()) << "where the picture is clear";

  click(L"按钮3");
  HWND panel = control(L"图片框2");
  EXPECT_TRUE(wait_until([&] { return colour_at(panel, 0.75, 0.6) == half; }))
      << testing::PrintToString(colour_at(panel, 0.75, 0.6));
  EXPECT_EQ(colour_at(panel, 0.2, 0.6), button_face());
}

TEST_F(PictureBox, GifStandsStillInThePreviewAndPlaysInThePanel) {
  ASSERT_TRUE(pick(folder.write(L"red-blue.gif", red_blue_gif())));
  HWND preview = control(L"图片框1");
  ASSERT_TRUE(wait_until([&] { return colour_at(preview, 0.5, 0.5) == gif_red; }));
  // Three frame delays: a playing preview would have shown blue by then.
  EXPECT_FALSE(wait_until([&] { return colour_at(preview, 0.5, 0.5) == gif_blue; }, 300))
      << "the preview box plays the animation";

  click(L"按钮3");
  HWND panel = control(L"图片框2");
  EXPECT_TRUE(wait_until([&] { return colour_at(panel, 0.5, 0.6) == gif_blue; }, 3000))
      << "the second frame never came";
  EXPECT_TRUE(wait_until([&] { return colour_at(panel, 0.5, 0.6) == gif_red; }, 3000))
      << "the animation did not loop back to the first frame";
  EXPECT_EQ(colour_at(preview, 0.5, 0.5), gif_red);
}

// Fewer than 8 bytes are no picture even when they begin like a JPEG; the box keeps only
// its background, and so does the panel once they are copied there.
TEST_F(PictureBox, SevenBytesThatBeginLikeAJpegAreNoPicture) {
  const std::vector<std::uint8_t> seven{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A};
  ASSERT_TRUE(pick(folder.write(L"short.jpg", seven)));
  EXPECT_EQ(centre_colour(L"图片框1", button_face()), button_face());
  click(L"按钮3");
  EXPECT_EQ(panel_picture_pixels(wait_panel_empty()), 0);
}

}  // namespace
}  // namespace xpx::test
