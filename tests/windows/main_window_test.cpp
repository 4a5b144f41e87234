// The main window's frame, layout, keyboard focus and free move, on the live window.
#include <gtest/gtest.h>

#include <map>

#include "tests/windows/harness/input.h"
#include "tests/windows/harness/running_app.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "ui/main/main_window.h"

namespace xpx::test {
namespace {

class MainWindow : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(app.start()) << "the main window did not come up"; }
  HWND control(std::wstring_view name) const { return app.control(name); }
  RunningApp app;
};

using Placement = MainWindow;

TEST_F(Placement, CentredOnTheWholeScreenAtItsExactOuterSize) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  // Halves rounded toward zero: on 800x600 the title bar starts above the screen.
  const std::map<std::pair<int, int>, POINT> expected{
      {{1920, 1080}, {572, 223}}, {{1366, 768}, {295, 67}}, {{800, 600}, {12, -16}}};
  ASSERT_TRUE(expected.contains({w, h})) << "screen " << w << "x" << h;
  const POINT at = expected.at({w, h});
  const RECT r = window_rect(app.main());
  EXPECT_EQ(r.left, at.x);
  EXPECT_EQ(r.top, at.y);
  EXPECT_EQ(r.right - r.left, 775);
  EXPECT_EQ(r.bottom - r.top, 633);

  const LONG style = GetWindowLongW(app.main(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed frame cannot be resized";
  EXPECT_EQ(GetWindow(app.main(), GW_OWNER), nullptr) << "its own taskbar button";
}

// Every control stands where the description puts it, relative to its parent's client area.
TEST_F(MainWindow, ControlsStandAtTheirPlacesInsideTheirParents) {
  for (const ControlDesc& c : main_window.controls) {
    if (c.kind == Kind::CommonDlg) continue;
    SCOPED_TRACE(testing::Message() << "control #" << (&c - main_window.controls.data() + 1));
    HWND hwnd = control(c.name);
    ASSERT_NE(hwnd, nullptr);
    HWND parent = c.parent.empty() ? app.main() : control(c.parent);
    EXPECT_EQ(GetParent(hwnd), parent);
    const RECT origin = client_rect_on_screen(parent);
    const RECT r = window_rect(hwnd);
    EXPECT_EQ(r.left - origin.left, c.left);
    EXPECT_EQ(r.top - origin.top, c.top);
    EXPECT_EQ(r.right - r.left, c.width);
    EXPECT_EQ(r.bottom - r.top, c.height);
    EXPECT_TRUE(IsWindowVisible(hwnd));
  }
}

TEST_F(MainWindow, ControlsOfOneParentAreStackedInDescriptionOrderFirstOnTop) {
  for (HWND parent : {app.main(), control(L"分组框1"), control(L"图片框2")}) {
    std::vector<HWND> expected;
    for (const ControlDesc& c : main_window.controls)
      if (c.kind != Kind::CommonDlg && (c.parent.empty() ? app.main() : control(c.parent)) == parent)
        expected.push_back(control(c.name));
    std::vector<HWND> actual;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) actual.push_back(h);
    EXPECT_EQ(actual, expected);
  }
}

TEST_F(MainWindow, TabCyclesTheControlsBothWays) {
  const std::vector<std::wstring_view> order{L"编辑框2", L"编辑框3", L"按钮1", L"按钮2",
                                              L"按钮3",   L"按钮4",   L"编辑框5", L"按钮5"};
  for (std::size_t i = 1; i <= order.size(); ++i) {
    press_key(VK_TAB);
    HWND want = control(order[i % order.size()]);
    EXPECT_TRUE(wait_until([&] { return focus_of(app.main()) == want; }, 3000))
        << "after " << i << " tabs";
  }
  for (std::size_t i = 1; i <= order.size(); ++i) {
    press_chord(VK_SHIFT, VK_TAB);
    HWND want = control(order[(order.size() - i) % order.size()]);
    EXPECT_TRUE(wait_until([&] { return focus_of(app.main()) == want; }, 3000))
        << "after " << i << " shift+tabs";
  }
}

TEST_F(MainWindow, FocusComesBackToTheSameControlAfterSwitchingAway) {
  HWND box = control(L"编辑框5");
  for (int i = 0; i < 6; ++i) press_key(VK_TAB);
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == box; }));

  // Another program's window takes the foreground, then the main window gets it back.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(make_foreground(other));
  ASSERT_TRUE(make_foreground(app.main()));
  EXPECT_TRUE(wait_until([&] { return focus_of(app.main()) == box; }, 3000));
  DestroyWindow(other);
}

TEST_F(MainWindow, EscAndF1ChangeNothing) {
  press_key(VK_TAB);
  HWND focused = control(L"编辑框3");
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == focused; }));
  press_key(VK_ESCAPE);
  press_key(VK_F1);
  press_key(VK_TAB);  // a marker that the keys before it were handled
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == control(L"按钮1"); }));
  EXPECT_TRUE(IsWindowVisible(app.main()));
  EXPECT_EQ(top_windows(app.process().pid()).size(), 1u) << "no window opened";
}

struct MoveCase {
  const char* what;  // names the case
  std::wstring_view control;  // empty: the window's own background
  POINT offset;               // press point inside the control (or the client area)
  bool moves;
  friend void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.what; }
};

class FreeMove : public MainWindow, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(FreeMove, PressAndDrag) {
  const MoveCase& c = GetParam();
  const RECT area = c.control.empty() ? client_rect_on_screen(app.main()) : app.control_rect(c.control);
  const POINT from{area.left + c.offset.x, area.top + c.offset.y};
  const RECT before = window_rect(app.main());
  const auto moved = [&] {
    const RECT now = window_rect(app.main());
    return now.left == before.left + 40 && now.top == before.top + 30;
  };
  const auto pressed = [&] { return in_move_loop(app.main()); };
  left_drag(from, {from.x + 40, from.y + 30}, c.moves ? DragWaits{pressed, moved} : DragWaits{});
  if (c.moves) {
    EXPECT_TRUE(wait_until(moved, 3000));
    const RECT after = window_rect(app.main());
    EXPECT_EQ(after.left, before.left + 40);
    EXPECT_EQ(after.top, before.top + 30);
  } else {
    press_key(VK_TAB);  // lets the drag's messages be handled before looking
    wait_until([&] { return focus_of(app.main()) != nullptr; }, 500);
    const RECT after = window_rect(app.main());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
  }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, FreeMove,
    ::testing::Values(MoveCase{"Background", L"", {20, 300}, true},
                      MoveCase{"LabelOfThePanel", L"标签6", {20, 10}, true},
                      MoveCase{"RowLabel", L"标签3", {10, 12}, true},
                      MoveCase{"EmptyPartOfTheSettingsArea", L"分组框1", {200, 150}, true},
                      MoveCase{"ResultPanel", L"图片框2", {100, 200}, true},
                      MoveCase{"EditBoxDoesNot", L"编辑框2", {10, 12}, false},
                      MoveCase{"EmptySeeThroughLabelDoesNot", L"透明标签1", {40, 8}, false},
                      MoveCase{"CountLabelDoesNot", L"透明标签5", {20, 13}, false}),
    [](const auto& info) { return std::string(info.param.what); });

// 标签5 lies above the right end of 编辑框2: that corner shows the label's face, not the box.
TEST_F(MainWindow, LabelOverlappingAnEditBoxShowsTheLabel) {
  const RECT group = client_rect_on_screen(control(L"分组框1"));
  const RECT corner{group.left + 144, group.top + 56, group.left + 152, group.top + 60};
  const ScreenShot shot =
      wait_for_screen(corner, [](const ScreenShot& s) { return all_pixels_are(s, button_face()); });
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) EXPECT_EQ(shot.at(x, y), button_face()) << x << "," << y;
}

// The line of a single-line box is centred; the bands above and below it are the box's.
TEST_F(MainWindow, EditBoxLineIsCentredAndItsBandsAreBorder) {
  HWND box = control(L"编辑框5");  // the one 标签5 does not overlap
  const RECT outer = window_rect(box), inner = client_rect_on_screen(box);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int space = outer.bottom - outer.top - 2 * edge;
  const int line = inner.bottom - inner.top;
  EXPECT_LT(line, space);
  EXPECT_EQ(inner.top - outer.top - edge, (space - line) / 2);
  const RECT above_line{inner.left + 2, outer.top + edge, inner.right - 2, inner.top};
  const Rgb white{255, 255, 255};
  const ScreenShot band =
      wait_for_screen(above_line, [&](const ScreenShot& s) { return all_pixels_are(s, white); });
  for (int x = 0; x < band.width(); ++x) EXPECT_EQ(band.at(x, 0), white);

  const POINT above{inner.left + 5, outer.top + edge};
  EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(above.x, above.y)), HTBORDER);
  left_click(above);
  press_key(VK_TAB);  // handled after the click
  EXPECT_TRUE(wait_until([&] { return focus_of(app.main()) == control(L"编辑框3"); }, 3000))
      << "the press above the line of 编辑框5 must not have taken the focus from 编辑框2";
}

}  // namespace
}  // namespace xpx::test
