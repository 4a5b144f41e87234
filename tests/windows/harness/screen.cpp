#include "tests/windows/harness/screen.h"

#include <optional>

#include "app/unique_handle.h"
#include "tests/windows/harness/wait.h"

namespace xpx::test {

ScreenShot::ScreenShot(const RECT& area)
    : width_(area.right - area.left), height_(area.bottom - area.top),
      pixels_(static_cast<std::size_t>(width_) * height_) {
  HDC screen = GetDC(nullptr);
  UniqueDc mem(CreateCompatibleDC(screen));
  BITMAPINFO info{};
  info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER), .biWidth = width_, .biHeight = -height_,
                    .biPlanes = 1, .biBitCount = 32, .biCompression = BI_RGB};
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    SelectObjectGuard select(mem.get(), bitmap.get());
    BitBlt(mem.get(), 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
  }
  GdiFlush();
  const auto* src = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = src[i] & 0xFFFFFF;
  ReleaseDC(nullptr, screen);
}

Rgb ScreenShot::at(int x, int y) const {
  const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
          static_cast<std::uint8_t>(p)};
}

bool ScreenShot::save_bmp(const wchar_t* path) const {
  BITMAPFILEHEADER file{.bfType = 0x4D42};
  BITMAPINFOHEADER info{.biSize = sizeof info, .biWidth = width_, .biHeight = -height_,
                        .biPlanes = 1, .biBitCount = 32, .biCompression = BI_RGB};
  const DWORD data = static_cast<DWORD>(pixels_.size() * 4);
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + data;
  UniqueFile out(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!out) return false;
  DWORD written;
  return WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
         WriteFile(out.get(), &info, sizeof info, &written, nullptr) &&
         WriteFile(out.get(), pixels_.data(), data, &written, nullptr);
}

ScreenShot wait_for_screen(const RECT& area, const std::function<bool(const ScreenShot&)>& settled,
                           DWORD timeout_ms) {
  std::optional<ScreenShot> last;
  wait_until(
      [&] {
        last.emplace(area);
        return settled(*last);
      },
      timeout_ms);
  return *last;
}

ScreenShot settled_shot(const RECT& area, DWORD timeout_ms) {
  std::optional<ScreenShot> previous;
  return wait_for_screen(
      area,
      [&](const ScreenShot& s) {
        const bool same = previous && *previous == s;
        previous = s;
        return same;
      },
      timeout_ms);
}

bool all_pixels_are(const ScreenShot& shot, Rgb colour) {
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (!(shot.at(x, y) == colour)) return false;
  return true;
}

Rgb to_rgb(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
Rgb button_face() { return to_rgb(GetSysColor(COLOR_BTNFACE)); }

}  // namespace xpx::test
