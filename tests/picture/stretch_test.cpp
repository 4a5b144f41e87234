#include <gtest/gtest.h>

#include <vector>

#include "expect.h"
#include "picture/prepare.h"

namespace {

using picture::Image;
using picture::Rgba;

// A one-channel picture in red, opaque, for readable expectations.
Image reds(int width, int height, std::vector<std::uint8_t> values) {
  Image image{width, height, {}};
  for (std::uint8_t v : values) image.pixels.push_back({v, 0, 0, 255});
  return image;
}

std::vector<int> red_values(const Image& image) {
  std::vector<int> out;
  for (Rgba p : image.pixels) out.push_back(p.r);
  return out;
}

TEST(Stretch, SameSizeIsAnExactCopy) {
  const Image image{3,
                    2,
                    {{1, 2, 3, 4},
                     {250, 9, 7, 255},
                     {0, 0, 0, 0},
                     {5, 6, 7, 8},
                     {9, 9, 9, 9},
                     {100, 101, 102, 103}}};
  const Image out = picture::stretch(image, 3, 2);
  EXPECT_EQ(out.width, 3);
  EXPECT_EQ(out.height, 2);
  EXPECT_EQ(out.pixels, image.pixels);
}

TEST(Stretch, HalvingAveragesEachTwoByTwoBlock) {
  const Image out = picture::stretch(reds(4, 2, {10, 20, 100, 200, 30, 40, 0, 0}), 2, 1);
  EXPECT_EQ(red_values(out), (std::vector<int>{25, 75}));
}

TEST(Stretch, ShrinkingCountsPartlyCoveredSamples) {
  // 3 -> 2: the middle sample is half in each target.
  const Image out = picture::stretch(reds(3, 1, {0, 90, 180}), 2, 1);
  EXPECT_EQ(red_values(out), (std::vector<int>{30, 150}));
}

TEST(Stretch, GrowingKeepsTheEndpointsAndInterpolatesBetween) {
  const Image out = picture::stretch(reds(2, 1, {0, 200}), 5, 1);
  EXPECT_EQ(red_values(out), (std::vector<int>{0, 20, 100, 180, 200}));
}

TEST(Stretch, AxesScaleIndependently) {
  // Width halves (averaging), height triples (one source row, repeated).
  const Image out = picture::stretch(reds(4, 1, {10, 30, 50, 70}), 2, 3);
  ASSERT_EQ(out.width, 2);
  ASSERT_EQ(out.height, 3);
  EXPECT_EQ(red_values(out), (std::vector<int>{20, 60, 20, 60, 20, 60}));
}

TEST(Stretch, OneToOneAxisIsCopiedWhileTheOtherShrinks) {
  const Image out = picture::stretch(reds(2, 2, {7, 201, 13, 255}), 2, 1);
  EXPECT_EQ(red_values(out), (std::vector<int>{10, 228}));
}

TEST(Stretch, EmptySourceOrTargetGivesEmpty) {
  EXPECT_TRUE(picture::stretch(Image{}, 4, 4).pixels.empty());
  EXPECT_TRUE(picture::stretch(reds(1, 1, {1}), 0, 4).pixels.empty());
  EXPECT_TRUE(picture::stretch(reds(1, 1, {1}), 4, -1).pixels.empty());
}

}  // namespace
