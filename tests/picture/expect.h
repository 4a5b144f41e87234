// Shared checks for decoder tables: a case expects pixels or a named error, and a valid
// fixture cut short anywhere must fail cleanly.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <variant>
#include <vector>

#include "fixture.h"
#include "picture/picture.h"

namespace picture {
inline std::ostream& operator<<(std::ostream& os, Error e) { return os << to_string(e); }
inline std::ostream& operator<<(std::ostream& os, Rgba p) {
  return os << "rgba(" << +p.r << ',' << +p.g << ',' << +p.b << ',' << +p.a << ')';
}
}  // namespace picture

namespace fixture {

using Decoder = std::function<picture::Result<picture::Image>(picture::Bytes)>;

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<picture::Rgba> rgba;  // row by row from the top
};

using Expected = std::variant<Pixels, picture::Error>;

inline void expect_result(const picture::Result<picture::Image>& result, const Expected& want) {
  if (const auto* error = std::get_if<picture::Error>(&want)) {
    ASSERT_FALSE(result.ok()) << "decoded, expected " << *error;
    EXPECT_EQ(result.error(), *error);
    return;
  }
  const auto& pixels = std::get<Pixels>(want);
  ASSERT_TRUE(result.ok()) << "failed: " << result.error();
  EXPECT_EQ(result->width, pixels.width);
  EXPECT_EQ(result->height, pixels.height);
  EXPECT_EQ(result->pixels, pixels.rgba);
}

// Every strict prefix of a valid file shorter than `needed` bytes must fail; longer ones may
// decode (trailing data can be optional) but must then give the picture's size. Under the
// sanitizers this is also the walk that finds reads past the end.
inline void expect_prefixes_fail_cleanly(const ByteVector& file, const Decoder& decode,
                                         std::size_t needed) {
  const auto full = decode(view(file));
  ASSERT_TRUE(full.ok()) << "the whole fixture must decode: " << full.error();
  for (std::size_t n = 0; n < file.size(); ++n) {
    const auto part = decode({file.data(), n});
    if (n < needed) {
      EXPECT_FALSE(part.ok()) << "a " << n << "-byte prefix decoded";
    } else if (part.ok()) {
      EXPECT_EQ(part->width, full->width) << n;
      EXPECT_EQ(part->height, full->height) << n;
    }
  }
}

}  // namespace fixture
