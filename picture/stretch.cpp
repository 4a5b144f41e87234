#include <algorithm>
#include <cmath>
#include <vector>

#include "picture/prepare.h"

namespace picture {
namespace {

// For one axis: which source samples make each target sample, and how much of each.
struct Tap {
  int source = 0;
  float weight = 0;
};

struct AxisPlan {
  std::vector<int> first;  // target i uses taps[first[i]] .. taps[first[i + 1]]
  std::vector<Tap> taps;
};

// Shrinking: a box filter. Target i covers source [i * s, (i + 1) * s); each source sample
// counts with the part of it that lies inside, so edges get fractional coverage.
void plan_shrink(AxisPlan& plan, int from, int to) {
  const double scale = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    plan.first.push_back(static_cast<int>(plan.taps.size()));
    const double start = i * scale;
    const double end = (i + 1) * scale;
    for (int s = static_cast<int>(start); s < from && s < end; ++s) {
      const double covered = std::min<double>(end, s + 1) - std::max<double>(start, s);
      if (covered > 0) plan.taps.push_back({s, static_cast<float>(covered / scale)});
    }
  }
}

// Growing: bilinear between the two nearest source centres; past the outer centres the
// edge sample is repeated, so the first and last targets equal the source's corners.
void plan_grow(AxisPlan& plan, int from, int to) {
  const double scale = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    plan.first.push_back(static_cast<int>(plan.taps.size()));
    const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, from - 1.0);
    const int left = static_cast<int>(centre);
    const auto right_weight = static_cast<float>(centre - left);
    plan.taps.push_back({left, 1.0f - right_weight});
    if (right_weight > 0) plan.taps.push_back({left + 1, right_weight});
  }
}

AxisPlan plan_axis(int from, int to) {
  AxisPlan plan;
  if (to < from) {
    plan_shrink(plan, from, to);
  } else if (to > from) {
    plan_grow(plan, from, to);
  } else {
    for (int i = 0; i < to; ++i) {  // 1:1 copies exactly
      plan.first.push_back(i);
      plan.taps.push_back({i, 1.0f});
    }
  }
  plan.first.push_back(static_cast<int>(plan.taps.size()));
  return plan;
}

// Rows first: every source row becomes target-width samples, kept as floats so the second
// pass rounds only once.
std::vector<float> stretch_rows(const Image& image, const AxisPlan& plan, int width) {
  std::vector<float> out(static_cast<std::size_t>(width) * image.height * 4);
  for (int y = 0; y < image.height; ++y) {
    float* row = &out[static_cast<std::size_t>(y) * width * 4];
    for (int x = 0; x < width; ++x) {
      float sum[4] = {};
      for (int t = plan.first[x]; t < plan.first[x + 1]; ++t) {
        const Rgba p = image.at(plan.taps[t].source, y);
        const float w = plan.taps[t].weight;
        sum[0] += p.r * w, sum[1] += p.g * w, sum[2] += p.b * w, sum[3] += p.a * w;
      }
      std::copy(sum, sum + 4, row + x * 4);
    }
  }
  return out;
}

std::uint8_t to_byte(float v) {
  return static_cast<std::uint8_t>(std::clamp(std::floor(v + 0.5f), 0.0f, 255.0f));
}

}  // namespace

Image stretch(const Image& image, int width, int height) {
  if (image.width < 1 || image.height < 1 || width < 1 || height < 1) return {};
  const AxisPlan columns = plan_axis(image.width, width);
  const AxisPlan rows = plan_axis(image.height, height);
  const std::vector<float> wide = stretch_rows(image, columns, width);
  Image out{width, height, std::vector<Rgba>(static_cast<std::size_t>(width) * height)};
  std::vector<float> sum(static_cast<std::size_t>(width) * 4);
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (int t = rows.first[y]; t < rows.first[y + 1]; ++t) {
      const float* src = &wide[static_cast<std::size_t>(rows.taps[t].source) * width * 4];
      const float w = rows.taps[t].weight;
      for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += src[i] * w;
    }
    for (int x = 0; x < width; ++x) {
      const float* s = &sum[static_cast<std::size_t>(x) * 4];
      out.at(x, y) = {to_byte(s[0]), to_byte(s[1]), to_byte(s[2]), to_byte(s[3])};
    }
  }
  return out;
}

}  // namespace picture
