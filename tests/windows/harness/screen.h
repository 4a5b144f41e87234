// Pixels read back from the screen, compared exactly.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

namespace xpx::test {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
  friend void PrintTo(Rgb c, std::ostream* os) {
    *os << "rgb(" << int{c.r} << "," << int{c.g} << "," << int{c.b} << ")";
  }
};

// A copy of a rectangle of the screen.
class ScreenShot {
public:
  explicit ScreenShot(const RECT& area);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const;  // relative to the area's top-left corner
  bool operator==(const ScreenShot&) const = default;
  bool save_bmp(const wchar_t* path) const;

private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB
};

// What is on the screen once it has settled: shots of the area are taken until `settled`
// holds for one, or the time is up; the last shot is returned either way, for the assertions.
ScreenShot wait_for_screen(const RECT& area, const std::function<bool(const ScreenShot&)>& settled,
                           DWORD timeout_ms = 5000);

// A shot of the area once two in a row are the same: whatever was being painted is done.
ScreenShot settled_shot(const RECT& area, DWORD timeout_ms = 5000);

bool all_pixels_are(const ScreenShot& shot, Rgb colour);

Rgb to_rgb(COLORREF c);
Rgb button_face();

}  // namespace xpx::test
