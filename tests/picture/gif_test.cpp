// GIF stills and animations built byte by byte in the test.
#include <gtest/gtest.h>

#include "gif_writer.h"
#include "picture/decode.h"
#include "picture/gif_animation.h"

namespace picture::test {
namespace {

constexpr Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255},
    white{255, 255, 255, 255}, black{0, 0, 0, 255}, none{0, 0, 0, 0};

const std::vector<Rgba> four_colours = {red, green, blue, white};

GifFrameLayout frame(int left, int top, int width, int height, std::vector<std::uint8_t> indices) {
  return {.left = left, .top = top, .width = width, .height = height, .indices = indices};
}

GifLayout still(GifFrameLayout f, int width = 2, int height = 2) {
  return {.width = width, .height = height, .global_palette = four_colours, .frames = {f}};
}

struct StillCase {
  const char* name;
  GifLayout gif;
  std::vector<Rgba> pixels;  // empty when the file must fail
  Error error = Error::corrupt;
};

template <class Layout>
Layout with(Layout layout, auto change) {
  change(layout);
  return layout;
}

const GifFrameLayout whole = frame(0, 0, 2, 2, {0, 1, 2, 3});

std::vector<StillCase> still_cases() {
  return {
      {"four_colours", still(whole), {red, green, blue, white}},
      {"transparent_index",
       still(with(whole, [](auto& f) { f.graphic_control = true, f.transparent_index = 1; })),
       {red, none, blue, white}},
      {"local_palette_wins",
       still(with(whole,
                  [](auto& f) {
                    f.local_palette = {white, white, blue, red};
                  })),
       {white, white, blue, red}},
      {"interlaced_rows_go_back_in_place",
       still(with(frame(0, 0, 1, 5, {0, 1, 2, 3, 0}), [](auto& f) { f.interlaced = true; }), 1, 5),
       {red, green, blue, white, red}},
      {"frame_partly_outside_the_screen",
       still(frame(1, 1, 2, 2, {0, 1, 2, 3})),
       {none, none, none, red}},
      {"frame_wholly_outside_the_screen", still(frame(5, 0, 1, 1, {0})), {none, none, none, none}},
      {"excess_pixel_data_ignored",
       still(frame(0, 0, 2, 1, {2, 3, 0, 0, 1, 1})),
       {blue, white, none, none}},
      {"missing_pixels_stay_transparent",
       still(with(whole,
                  [](auto& f) {
                    f.lzw_data = lzw_encode({3, 2, 1});
                  })),
       {white, blue, green, none}},
      {"index_past_the_palette_is_black",
       with(still(frame(0, 0, 2, 1, {1, 3})),
            [](auto& g) {
              g.global_palette = {red, green};
            }),
       {green, black, none, none}},
      {"no_palette_shows_grey_levels",
       with(still(frame(0, 0, 2, 1, {0, 3})), [](auto& g) { g.global_palette.clear(); }),
       {black, {3, 3, 3, 255}, none, none}},
      {"background_index_past_the_palette",
       with(still(whole), [](auto& g) { g.background_index = 200; }),
       {red, green, blue, white}},
      {"zero_size_frame_draws_nothing", still(frame(0, 0, 0, 0, {})), {none, none, none, none}},
      {"min_code_size_1", still(with(whole, [](auto& f) { f.min_code_size = 1; })), {}},
      {"min_code_size_9", still(with(whole, [](auto& f) { f.min_code_size = 9; })), {}},
      {"code_beyond_next_free_slot",
       still(with(whole,
                  [](auto& f) {
                    f.lzw_data = pack_codes({4, 1, 7, 5}, 3);
                  })),
       {}},
      {"no_frames", with(still(whole), [](auto& g) { g.frames.clear(); }), {}},
      {"zero_width_screen", still(whole, 0, 2), {}, Error::bad_header},
      {"screen_beyond_the_cap", still(whole, 20000, 1), {}, Error::too_large},
  };
}

class GifStill : public ::testing::TestWithParam<StillCase> {};

TEST_P(GifStill, DecodesToTheseFirstFramePixels) {
  const StillCase& c = GetParam();
  const auto bytes = write_gif(c.gif);
  const auto image = decode_gif(bytes);
  if (c.pixels.empty()) {
    ASSERT_FALSE(image.ok());
    EXPECT_EQ(image.error(), c.error);
    return;
  }
  ASSERT_TRUE(image.ok()) << to_string(image.error());
  EXPECT_EQ(image->width, c.gif.width);
  EXPECT_EQ(image->pixels, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GifStill, ::testing::ValuesIn(still_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GifStill, FullTableWithoutClearKeepsDecoding) {
  std::vector<std::uint8_t> indices;
  for (int i = 0; i < 64 * 64; ++i)
    indices.push_back(static_cast<std::uint8_t>((i * 7 + i / 13) % 4));
  auto f = frame(0, 0, 64, 64, indices);
  f.lzw_data = lzw_encode(indices, {.clear_when_full = false});
  const auto image = decode_gif(write_gif(still(f, 64, 64)));
  ASSERT_TRUE(image.ok());
  for (std::size_t i = 0; i < indices.size(); ++i)
    ASSERT_EQ(image->pixels[i], four_colours[indices[i]]) << "pixel " << i;
}

// Every cut of a valid file decodes or fails cleanly; a cut first frame shows what arrived.
TEST(GifStill, EveryPrefixDecodesOrFailsCleanly) {
  const auto bytes = write_gif(still(frame(0, 0, 8, 8, std::vector<std::uint8_t>(64, 2)), 8, 8));
  const std::size_t data_start = 6 + 7 + 12 + 10 + 1;
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    const auto image = decode_gif(std::span(bytes).first(n));
    if (n <= data_start + 1) {
      EXPECT_FALSE(image.ok()) << n;
    } else if (image.ok()) {
      EXPECT_EQ(image->pixels.size(), 64u);
      EXPECT_EQ(image->pixels[0], blue) << n;
    }
  }
  EXPECT_TRUE(decode_gif(bytes).ok());
}

TEST(GifStill, FirstFrameCutShortShowsTheRowsThatArrived) {
  std::vector<std::uint8_t> indices(16 * 16);
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i % 3);
  auto bytes = write_gif(still(frame(0, 0, 16, 16, indices), 16, 16));
  bytes.resize(bytes.size() - 12);
  auto animation = GifAnimation::open(bytes);
  ASSERT_TRUE(animation.ok());
  EXPECT_EQ(animation->canvas().pixels[0], red);
  EXPECT_EQ(animation->canvas().pixels.back(), none);
  EXPECT_EQ(animation->advance(), Error::truncated);
}

// Frame n of a 2x1 screen: its rectangle, index, disposal, delay.
GifFrameLayout step(int left, int width, std::uint8_t index, int disposal, int delay_cs = 10) {
  auto f = frame(left, 0, width, 1, std::vector<std::uint8_t>(width, index));
  f.graphic_control = true;
  f.disposal = disposal;
  f.delay_cs = delay_cs;
  return f;
}

struct AnimationCase {
  const char* name;
  std::vector<GifFrameLayout> frames;
  std::vector<std::vector<Rgba>> canvases;  // after open, then after each advance
};

std::vector<AnimationCase> animation_cases() {
  return {
      {"keep_leaves_the_frame",
       {step(0, 2, 0, 1), step(1, 1, 1, 1)},
       {{red, red}, {red, green}, {red, red}}},
      {"unspecified_disposal_keeps_too",
       {step(0, 1, 0, 0), step(1, 1, 1, 0)},
       {{red, none}, {red, green}, {red, none}}},
      {"restore_to_transparent_clears_the_rect",
       {step(0, 2, 0, 1), step(1, 1, 1, 2), step(0, 1, 2, 1)},
       {{red, red}, {red, green}, {blue, none}, {red, red}}},
      {"restore_previous_brings_back_the_canvas",
       {step(0, 2, 0, 1), step(0, 1, 1, 3), step(1, 1, 2, 1)},
       {{red, red}, {green, red}, {red, blue}, {red, red}}},
      {"restore_previous_on_the_first_frame",
       {step(0, 1, 0, 3), step(1, 1, 1, 1)},
       {{red, none}, {none, green}, {red, none}}},
  };
}

class GifAnimationCase : public ::testing::TestWithParam<AnimationCase> {};

TEST_P(GifAnimationCase, ComposesFrameAfterFrameAndWraps) {
  const AnimationCase& c = GetParam();
  const auto bytes =
      write_gif({.width = 2, .height = 1, .global_palette = four_colours, .frames = c.frames});
  auto animation = GifAnimation::open(bytes);
  ASSERT_TRUE(animation.ok());
  EXPECT_TRUE(animation->is_animated());
  for (std::size_t i = 0; i < c.canvases.size(); ++i) {
    if (i > 0) {
      ASSERT_EQ(animation->advance(), std::nullopt) << "advance " << i;
    }
    EXPECT_EQ(animation->canvas().pixels, c.canvases[i]) << "canvas " << i;
  }
  EXPECT_EQ(animation->frame_count_so_far(), static_cast<int>(c.frames.size()));
}

INSTANTIATE_TEST_SUITE_P(Disposal, GifAnimationCase, ::testing::ValuesIn(animation_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GifAnimation, DelaysAreHundredthsAndZeroMeansFifty) {
  const auto bytes = write_gif({.width = 2,
                                .height = 1,
                                .global_palette = four_colours,
                                .frames = {step(0, 1, 0, 1, 7), step(0, 1, 1, 1, 0)}});
  auto animation = GifAnimation::open(bytes);
  ASSERT_TRUE(animation.ok());
  EXPECT_EQ(animation->delay_ms(), 70);
  ASSERT_EQ(animation->advance(), std::nullopt);
  EXPECT_EQ(animation->delay_ms(), 50);
}

TEST(GifAnimation, StillIsNotAnimatedAndStaysPut) {
  const auto bytes = write_gif(still(whole));
  auto animation = GifAnimation::open(bytes);
  ASSERT_TRUE(animation.ok());
  EXPECT_FALSE(animation->is_animated());
  EXPECT_EQ(animation->advance(), std::nullopt);
  EXPECT_EQ(animation->canvas().pixels, (std::vector<Rgba>{red, green, blue, white}));
}

struct BrokenLater {
  const char* name;
  std::size_t cut;  // bytes taken off the end; 0 keeps them all
  bool corrupt_second_frame;
  Error error;
};

class GifBrokenLaterFrame : public ::testing::TestWithParam<BrokenLater> {};

TEST_P(GifBrokenLaterFrame, StopsOnTheLastGoodFrameAndTheErrorSticks) {
  const BrokenLater& c = GetParam();
  auto second = step(0, 2, 1, 1);
  if (c.corrupt_second_frame) second.lzw_data = pack_codes({4, 1, 7, 5}, 3);
  const auto third = step(0, 2, 2, 1);
  auto bytes = write_gif({.width = 2,
                          .height = 1,
                          .global_palette = four_colours,
                          .frames = {step(0, 1, 0, 1), second, third}});
  bytes.resize(bytes.size() - c.cut);
  auto animation = GifAnimation::open(bytes);
  ASSERT_TRUE(animation.ok());
  const std::vector<Rgba> first = {red, none};
  EXPECT_EQ(animation->advance(), c.error);
  EXPECT_EQ(animation->canvas().pixels, first);
  EXPECT_EQ(animation->advance(), c.error);
  EXPECT_EQ(animation->canvas().pixels, first);
}

// The third frame's descriptor, table-less, is 10 bytes plus its data; its GCE is 8.
INSTANTIATE_TEST_SUITE_P(Cases, GifBrokenLaterFrame,
                         ::testing::Values(BrokenLater{"corrupt_lzw", 0, true, Error::corrupt},
                                           BrokenLater{"cut_inside_the_second_frame", 28, false,
                                                       Error::truncated}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace picture::test
