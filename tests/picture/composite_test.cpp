#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect.h"
#include "picture/prepare.h"

namespace {

using picture::Rgba;

struct CompositeCase {
  std::uint8_t alpha;
  Rgba expected;
  friend void PrintTo(const CompositeCase& c, std::ostream* os) { *os << "alpha " << +c.alpha; }
};

// Pixel (200, 0, 255) over background (100, 255, 255); values worked out by hand from
// floor((c * A + b * (255 - A)) / 255).
class CompositeTest : public testing::TestWithParam<CompositeCase> {};

TEST_P(CompositeTest, BlendsAndTruncates) {
  picture::Image image{1, 1, {{200, 0, 255, GetParam().alpha}}};
  picture::composite_over(image, {100, 255, 255});
  EXPECT_EQ(image.pixels[0], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Alphas, CompositeTest,
    testing::Values(CompositeCase{0, {100, 255, 255, 255}}, CompositeCase{1, {100, 254, 255, 255}},
                    CompositeCase{128, {150, 127, 255, 255}},
                    CompositeCase{254, {199, 1, 255, 255}}, CompositeCase{255, {200, 0, 255, 255}}),
    [](const auto& info) { return "alpha_" + std::to_string(info.param.alpha); });

TEST(Composite, EveryPixelBecomesOpaqueAndExtremesStayInRange) {
  picture::Image image{3, 1, {{255, 255, 0, 17}, {0, 0, 255, 200}, {1, 2, 3, 255}}};
  picture::composite_over(image, {255, 0, 0});
  EXPECT_EQ(image.pixels,
            (std::vector<Rgba>{{255, 17, 0, 255}, {55, 0, 200, 255}, {1, 2, 3, 255}}));
}

}  // namespace
