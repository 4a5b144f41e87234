// What the result panel shows: the lobby stretched into it, the currency strip on top and
// the white counts in the strip's empty fields; and the empty preview box.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/resource_ids.h"
#include "app/unique_handle.h"
#include "tests/windows/harness/expected_pictures.h"
#include "tests/windows/harness/input.h"
#include "tests/windows/harness/running_app.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "ui/main/main_window.h"

namespace xpx::test {
namespace {

// Rectangles in the panel's client coordinates.
constexpr RECT strip_area{331, 0, 563, 35};  // the strip box's visible rows 5..39
constexpr RECT gold_label{360, 8, 408, 35};
constexpr RECT diamond_label{427, 8, 475, 35};
constexpr RECT voucher_label{496, 8, 536, 35};

bool inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
bool in_a_count_label(int x, int y) {
  return inside(gold_label, x, y) || inside(diamond_label, x, y) || inside(voucher_label, x, y);
}

class Panel : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(app.start());
    panel = client_rect_on_screen(app.control(L"图片框2"));
    lobby = expected_box_picture(IDR_LOBBY_JPEG, 710, 390);
    strip = expected_box_picture(IDR_STRIP_JPEG, 232, 40);
    ASSERT_EQ(lobby.width, 710);
    ASSERT_EQ(strip.width, 232);
  }

  // What the panel shows at (x, y) when nothing is written there.
  Rgb beneath(int x, int y, bool with_lobby = true) const {
    if (inside(strip_area, x, y)) return at(strip, x - strip_area.left, y + 5);
    return with_lobby ? at(lobby, x, y) : button_face();
  }

  ScreenShot panel_shot(const std::function<bool(const ScreenShot&)>& settled) const {
    return wait_for_screen(panel, settled);
  }

  // Pixels of a label that are not the strip beneath must be glyph pixels: lighter in every
  // channel (white text, smoothed or not). Returns how many are pure white.
  int count_white_glyph_pixels(const ScreenShot& shot, const RECT& label) const {
    int white = 0;
    for (int y = label.top; y < label.bottom; ++y)
      for (int x = label.left; x < label.right; ++x) {
        const Rgb seen = shot.at(x, y), under = beneath(x, y);
        if (seen == under) continue;
        EXPECT_TRUE(seen.r >= under.r && seen.g >= under.g && seen.b >= under.b)
            << "not a white glyph pixel at panel " << x << "," << y;
        if (seen == Rgb{255, 255, 255}) ++white;
      }
    return white;
  }

  void type_into(std::wstring_view box, std::wstring_view text) {
    ASSERT_TRUE(app.type_into(box, text)) << "the typed text did not arrive";
  }

  void press_confirm() { press_key(VK_RETURN); }

  RunningApp app;
  RECT panel{};
  picture::Image lobby, strip;
};

TEST_F(Panel, ShowsTheLobbyStretchedAndTheStripOverItsOwnStrip) {
  ASSERT_EQ(panel.right - panel.left, 710);
  ASSERT_EQ(panel.bottom - panel.top, 390);
  const auto matches = [&](const ScreenShot& s) {
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x)
        if (!in_a_count_label(x, y) && !(s.at(x, y) == beneath(x, y))) return false;
    return true;
  };
  const ScreenShot shot = panel_shot(matches);
  int wrong = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (!in_a_count_label(x, y) && !(shot.at(x, y) == beneath(x, y)) && ++wrong <= 5)
        ADD_FAILURE() << "panel " << x << "," << y << ": " << testing::PrintToString(shot.at(x, y))
                      << " instead of " << testing::PrintToString(beneath(x, y));
  EXPECT_EQ(wrong, 0);
}

TEST_F(Panel, CountsStartAsWhiteTensInTheStripFields) {
  const ScreenShot shot = panel_shot([&](const ScreenShot& s) {
    return s.at(strip_area.left + 2, 20) == beneath(strip_area.left + 2, 20);
  });
  for (const RECT& label : {gold_label, diamond_label, voucher_label})
    EXPECT_GT(count_white_glyph_pixels(shot, label), 10) << "label at panel x " << label.left;
}

TEST_F(Panel, AnEmptiedCountLeavesNoTraceOfTheOldText) {
  type_into(L"编辑框3", L"");
  press_confirm();
  const auto gold_is_bare = [&](const ScreenShot& s) {
    for (int y = gold_label.top; y < gold_label.bottom; ++y)
      for (int x = gold_label.left; x < gold_label.right; ++x)
        if (!(s.at(x, y) == beneath(x, y))) return false;
    return true;
  };
  const ScreenShot shot = panel_shot(gold_is_bare);
  EXPECT_TRUE(gold_is_bare(shot)) << "the gold field still shows glyphs";
  EXPECT_GT(count_white_glyph_pixels(shot, diamond_label), 10) << "the other counts stay";
}

TEST_F(Panel, ALongCountIsCutAtItsLabelsRightEdge) {
  type_into(L"编辑框2", L"123456789012");
  press_confirm();
  // Glyphs reach the label's last columns, and nothing lies beyond them up to the next icon.
  const auto cut = [&](const ScreenShot& s) {
    bool reaches_edge = false;
    for (int y = diamond_label.top; y < diamond_label.bottom; ++y)
      for (int x = diamond_label.right - 6; x < diamond_label.right; ++x)
        reaches_edge |= !(s.at(x, y) == beneath(x, y));
    return reaches_edge;
  };
  const ScreenShot shot = panel_shot(cut);
  EXPECT_TRUE(cut(shot)) << "twelve digits should fill the label to its right edge";
  for (int y = diamond_label.top; y < diamond_label.bottom; ++y)
    for (int x = diamond_label.right; x < 477; ++x)
      EXPECT_EQ(shot.at(x, y), beneath(x, y)) << "beyond the label at panel " << x << "," << y;
}

// The diamond label as this test draws it itself: the strip beneath, then `text` in white in
// the default GUI font, with no mnemonic processing.
std::vector<Rgb> drawn_by_hand(const picture::Image& strip, std::wstring_view text) {
  const int w = diamond_label.right - diamond_label.left, h = diamond_label.bottom - diamond_label.top;
  BITMAPINFO info{};
  info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER), .biWidth = w, .biHeight = -h,
                    .biPlanes = 1, .biBitCount = 32, .biCompression = BI_RGB};
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  auto* px = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb c = at(strip, diamond_label.left + x - strip_area.left, diamond_label.top + y + 5);
      px[y * w + x] = std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
    }
  UniqueDc dc(CreateCompatibleDC(nullptr));
  {
    SelectObjectGuard select(dc.get(), bitmap.get());
    SelectObjectGuard font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(255, 255, 255));
    RECT r{0, 0, w, h};
    DrawTextW(dc.get(), text.data(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  GdiFlush();
  std::vector<Rgb> out;
  for (int i = 0; i < w * h; ++i)
    out.push_back({static_cast<std::uint8_t>(px[i] >> 16), static_cast<std::uint8_t>(px[i] >> 8),
                   static_cast<std::uint8_t>(px[i])});
  return out;
}

int text_width(std::wstring_view text) {
  UniqueDc dc(CreateCompatibleDC(nullptr));
  SelectObjectGuard font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::vector<Rgb> diamond_pixels(const ScreenShot& shot) {
  std::vector<Rgb> out;
  for (int y = diamond_label.top; y < diamond_label.bottom; ++y)
    for (int x = diamond_label.left; x < diamond_label.right; ++x) out.push_back(shot.at(x, y));
  return out;
}

struct TypedCase {
  const char* name;
  std::wstring_view typed, shown;
  friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }
};

class TypedCount : public Panel, public ::testing::WithParamInterface<TypedCase> {};

// Shown exactly as typed, except that "&&" draws one ampersand.
TEST_P(TypedCount, IsDrawnAsTyped) {
  type_into(L"编辑框2", GetParam().typed);
  press_confirm();
  const auto expected = drawn_by_hand(strip, GetParam().shown);
  const ScreenShot shot =
      panel_shot([&](const ScreenShot& s) { return diamond_pixels(s) == expected; });
  EXPECT_TRUE(diamond_pixels(shot) == expected) << "the label does not show the text as typed";
}

INSTANTIATE_TEST_SUITE_P(
    Panel, TypedCount,
    ::testing::Values(TypedCase{"Letters", L"Ab x!", L"Ab x!"},
                      TypedCase{"Chinese", L"一万", L"一万"},
                      TypedCase{"TwoAmpersandsDrawOne", L"1&&2", L"1&2"}),
    [](const auto& info) { return std::string(info.param.name); });

// One ampersand is not drawn: the next digit is underlined instead. The picture is "12" as
// drawn by hand plus white pixels under the "2" only.
TEST_F(Panel, OneAmpersandUnderlinesTheNextDigit) {
  type_into(L"编辑框2", L"1&2");
  press_confirm();
  const auto plain = drawn_by_hand(strip, L"12"), one = drawn_by_hand(strip, L"1");
  const int w = diamond_label.right - diamond_label.left;
  // The "2"'s character cell, where its underline may run.
  const int two_left = text_width(L"1"), two_right = text_width(L"12") - 1;
  const auto underlined = [&](const ScreenShot& s) {
    const auto seen = diamond_pixels(s);
    int extra = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) {
      if (seen[i] == plain[i]) continue;
      const int x = static_cast<int>(i % w);
      if (!(seen[i] == Rgb{255, 255, 255}) || x < two_left || x > two_right) return false;
      ++extra;
    }
    return extra >= 3;
  };
  const ScreenShot shot = panel_shot(underlined);
  const auto seen = diamond_pixels(shot);
  std::string map;  // what differs from "1": '2' the digit, '#' white beyond it, '?' other
  for (std::size_t i = 0; i < seen.size(); ++i) {
    map += seen[i] == plain[i] ? (one[i] == plain[i] ? '.' : '2')
                               : (seen[i] == Rgb{255, 255, 255} ? '#' : '?');
    if (i % w == static_cast<std::size_t>(w - 1)) map += '\n';
  }
  EXPECT_TRUE(underlined(shot)) << "\"1&2\" should show as 12 with the 2 underlined\n" << map;
}

TEST_F(Panel, CountsAreRedrawnAfterAnotherWindowCoveredThem) {
  const ScreenShot before = panel_shot([](const ScreenShot&) { return true; });
  HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_BLACKRECT,
                               panel.left + 300, panel.top, 300, 60, nullptr, nullptr, nullptr,
                               nullptr);
  ASSERT_TRUE(wait_until([&] { return !(ScreenShot(panel).at(400, 20) == before.at(400, 20)); }))
      << "the covering window never showed";
  DestroyWindow(cover);
  const ScreenShot after = panel_shot([&](const ScreenShot& s) { return s == before; });
  EXPECT_TRUE(after == before) << "the panel differs after being uncovered";
}

TEST_F(Panel, PreviewBoxStartsAsAnEmptyFramedButtonFaceRectangle) {
  HWND preview = app.control(L"图片框1");
  const RECT outer = window_rect(preview), inner = client_rect_on_screen(preview);
  EXPECT_EQ(inner.right - inner.left, 86);
  EXPECT_EQ(inner.bottom - inner.top, 62);
  EXPECT_EQ(inner.left - outer.left, 5) << "a frame of 5 pixels a side";
  const ScreenShot shot =
      wait_for_screen(inner, [](const ScreenShot& s) { return all_pixels_are(s, button_face()); });
  EXPECT_TRUE(all_pixels_are(shot, button_face()));
}

}  // namespace
}  // namespace xpx::test
