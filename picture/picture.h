// A decoded picture and the vocabulary every decoder shares.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace picture {

using Bytes = std::span<const std::uint8_t>;

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(Rgba, Rgba) = default;
};

// Pixels row by row from the top, width * height of them.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;

  Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Why some bytes are no picture. The user never sees these; they name test failures.
enum class Error { truncated, bad_header, unsupported, too_large, corrupt };

std::string_view to_string(Error);

// A value or the reason there is none.
template <class T>
class Result {
public:
  Result(T value) : v_(std::move(value)) {}
  Result(Error error) : v_(error) {}

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  Error error() const { return std::get<1>(v_); }

private:
  std::variant<T, Error> v_;
};

}  // namespace picture
