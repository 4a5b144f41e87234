// The About window, opened modally over the main window by 按钮1.
#include <gtest/gtest.h>

#include "tests/windows/harness/clipboard.h"
#include "tests/windows/harness/input.h"
#include "tests/windows/harness/running_app.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "ui/about/about_window.h"

namespace xpx::test {
namespace {

constexpr std::wstring_view about_title = L"关于";
constexpr std::wstring_view about_text = L"作者阿岚，QQ735162948，软件更新请看QQ空间";
const Rgb white{255, 255, 255};

std::pair<int, int> selection_of(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

const std::pair<int, int> whole_text{0, static_cast<int>(about_text.size())};

// Where the About window must stand: centred on the primary screen, halves toward zero.
POINT centred_place() {
  return {(GetSystemMetrics(SM_CXSCREEN) - about_window.width) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - about_window.height) / 2};
}

class About : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app.start()) << "the main window did not come up"; }

  // Clicks 按钮1 and waits until the About window is in front with its box painted.
  HWND open() {
    if (!make_foreground(app.main())) return nullptr;
    left_click(centre_of(app.control_rect(L"按钮1")));
    HWND about = wait_for_window(app.process().pid(), about_title);
    if (!about || !wait_until([&] { return GetForegroundWindow() == about; })) return nullptr;
    const RECT box = window_rect(box_of(about));
    const RECT corner{box.left, box.top, box.left + 4, box.top + 4};
    wait_for_screen(corner, [](const ScreenShot& s) { return all_pixels_are(s, white); });
    return about;
  }

  static HWND box_of(HWND about) { return control_of(about, about_window, L"编辑框1"); }

  // Keys typed before this have been handled once the whole text shows selected.
  static bool select_whole_text_after_the_keys(HWND about) {
    press_key(VK_HOME);
    press_chord(VK_SHIFT, VK_END);
    return wait_until([&] { return selection_of(box_of(about)) == whole_text; }, 3000);
  }

  static bool closes(HWND about) {
    return wait_until([&] { return !IsWindow(about); });
  }

  RunningApp app;
};

// The main window is moved away first with a real drag of its background (it moves freely).
TEST_F(About, OpensCentredAtItsSizeWithItsFrameWhereverTheMainWindowStands) {
  const RECT main_before = window_rect(app.main());
  const POINT from{client_rect_on_screen(app.main()).left + 20,
                   client_rect_on_screen(app.main()).top + 300};
  const POINT to{from.x - 300, from.y - 150};
  const auto moved = [&] { return window_rect(app.main()).left == main_before.left - 300; };
  left_drag(from, to, {[&] { return in_move_loop(app.main()); }, moved});
  ASSERT_TRUE(wait_until(moved, 3000)) << "main window left at " << window_rect(app.main()).left;
  const auto main_icon_area = title_bar_part(app.main(), HTSYSMENU);
  ASSERT_TRUE(main_icon_area) << "no icon in the main window's title bar";
  const ScreenShot main_icon(*main_icon_area);

  HWND about = open();
  ASSERT_NE(about, nullptr) << "no About window came to the front";
  EXPECT_EQ(title_of(about), about_title);
  const RECT r = window_rect(about);
  EXPECT_EQ(r.left, centred_place().x);
  EXPECT_EQ(r.top, centred_place().y);
  EXPECT_EQ(r.right - r.left, 384);
  EXPECT_EQ(r.bottom - r.top, 250);

  const LONG style = GetWindowLongW(about, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << std::hex << style;
  EXPECT_TRUE(style & WS_SYSMENU) << std::hex << style;
  EXPECT_TRUE(style & WS_MINIMIZEBOX) << std::hex << style;
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << std::hex << style;
  EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed frame cannot be resized";
  // The program icon, as the main window shows it while active (the class's icon is not
  // readable from another process under Wine): the title bars draw the same picture.
  const auto about_icon = title_bar_part(about, HTSYSMENU);
  ASSERT_TRUE(about_icon) << "no icon in the title bar";
  EXPECT_EQ(ScreenShot(*about_icon), main_icon);

  const RECT client = client_rect_on_screen(about);
  const RECT below_box{client.left + 16, client.top + 130, client.left + 352, client.top + 140};
  const ScreenShot face = wait_for_screen(
      below_box, [](const ScreenShot& s) { return all_pixels_are(s, button_face()); });
  EXPECT_EQ(face.at(0, 0), button_face());
  EXPECT_TRUE(all_pixels_are(face, button_face())) << "the background is the 3-D face colour";
}

TEST_F(About, OwnedByAHiddenToolWindowSoItHasNoTaskbarButton) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  HWND owner = GetWindow(about, GW_OWNER);
  ASSERT_NE(owner, nullptr) << "an unowned window gets a taskbar button";
  EXPECT_NE(owner, app.main());
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_TRUE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
      << std::hex << GetWindowLongW(owner, GWL_EXSTYLE);
  DWORD owner_pid = 0;
  GetWindowThreadProcessId(owner, &owner_pid);
  EXPECT_EQ(owner_pid, app.process().pid());
  EXPECT_FALSE(GetWindowLongW(about, GWL_STYLE) & WS_CHILD);
  EXPECT_FALSE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetAncestor(about, GA_PARENT), GetDesktopWindow());
}

TEST_F(About, ItsBoxHasTheFocusCaretAtTheStartAndTabF1EnterKeepItSo) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  HWND box = box_of(about);
  EXPECT_EQ(focus_of(about), box);
  EXPECT_EQ(selection_of(box), std::make_pair(0, 0)) << "caret before the text, nothing selected";
  EXPECT_EQ(text_of(box), about_text);

  press_key(VK_F1);
  press_key(VK_RETURN);
  press_key(VK_TAB);  // arriving by Tab selects the box's text: a sign the keys were handled
  EXPECT_TRUE(wait_until([&] { return selection_of(box) == whole_text; }, 3000))
      << "selection " << selection_of(box).first << ".." << selection_of(box).second;
  EXPECT_EQ(focus_of(about), box);
  EXPECT_TRUE(IsWindow(about)) << "Enter closed it";
  EXPECT_EQ(top_windows(app.process().pid()).size(), 2u) << "no window opened";
}

TEST_F(About, MainWindowTakesNoInputWhileItIsOpenAndTakesItAgainAfter) {
  HWND count = app.control(L"编辑框2");
  const std::wstring count_before = text_of(count);
  HWND about = open();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(IsWindowEnabled(app.main()));

  left_click(centre_of(app.control_rect(L"按钮4")));  // would open a message box
  left_click(centre_of(app.control_rect(L"编辑框2")));
  press_key(VK_END);
  type_text(L"5");
  ASSERT_TRUE(select_whole_text_after_the_keys(about));
  EXPECT_EQ(text_of(count), count_before);
  EXPECT_EQ(top_windows(app.process().pid()).size(), 2u) << "a window opened";
  EXPECT_EQ(GetForegroundWindow(), about);

  press_key(VK_ESCAPE);
  ASSERT_TRUE(closes(about));
  EXPECT_TRUE(IsWindowEnabled(app.main()));
  EXPECT_TRUE(wait_until([&] { return GetForegroundWindow() == app.main(); }))
      << "the main window is not active again";
  left_click(centre_of(app.control_rect(L"编辑框2")));
  press_key(VK_END);
  type_text(L"5");
  EXPECT_TRUE(wait_until([&] { return text_of(count) == count_before + L"5"; }, 3000))
      << "编辑框2 holds \"" << testing::PrintToString(text_of(count)) << "\"";
}

struct CloseCase {
  const char* what;
  void (*close)(HWND about);
};

void click_close_button(HWND about) {
  const auto button = close_button_centre(about);
  ASSERT_TRUE(button) << "no close button in the title bar";
  left_click(*button);
}

bool is_menu_open(DWORD pid) {
  for (HWND w : top_windows(pid))
    if (class_of(w) == L"#32768") return true;
  return false;
}

// The system menu opens from the title bar's icon. Its Close item is chosen by its mnemonic, C
// in the platform's menus here; the last item is not Close under Wine, which adds its own.
void choose_close_from_the_system_menu(HWND about) {
  const auto icon = title_bar_part(about, HTSYSMENU);
  ASSERT_TRUE(icon) << "no system menu icon in the title bar";
  left_click(centre_of(*icon));
  DWORD pid = 0;
  GetWindowThreadProcessId(about, &pid);
  ASSERT_TRUE(wait_until([&] { return is_menu_open(pid); })) << "the system menu did not open";
  press_key('C');
}

class ClosingAbout : public About, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingAbout, DestroysItAndGivesTheMainWindowBack) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  GetParam().close(about);
  ASSERT_TRUE(closes(about));

  EXPECT_TRUE(IsWindowEnabled(app.main()));
  EXPECT_TRUE(wait_until([&] { return GetForegroundWindow() == app.main(); }));
  EXPECT_TRUE(top_windows(app.process().pid(), about_title).empty());
}

INSTANTIATE_TEST_SUITE_P(
    About, ClosingAbout,
    ::testing::Values(CloseCase{"Esc", [](HWND) { press_key(VK_ESCAPE); }},
                      CloseCase{"CloseButton", click_close_button},
                      CloseCase{"AltF4", [](HWND) { press_chord(VK_MENU, VK_F4); }},
                      CloseCase{"SystemMenuClose", choose_close_from_the_system_menu}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(About, TextCannotBeChangedButCanBeSelectedAndCopied) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  HWND box = box_of(about);
  ASSERT_TRUE(put_on_clipboard(L"粘贴的字"));

  type_text(L"abc");
  press_chord(VK_CONTROL, 'V');
  press_key(VK_DELETE);
  press_key(VK_END);
  press_key(VK_BACK);
  ASSERT_TRUE(select_whole_text_after_the_keys(about));
  EXPECT_EQ(text_of(box), about_text);

  // With the whole text selected: deleting, typing over it and pasting over it.
  press_key(VK_DELETE);
  press_key(VK_BACK);
  type_text(L"x");
  press_chord(VK_CONTROL, 'V');
  press_chord(VK_CONTROL, 'C');  // copies what is selected once the keys before it are handled
  EXPECT_TRUE(wait_until([] { return clipboard_text() == std::wstring(about_text); }, 3000))
      << "the clipboard holds " << testing::PrintToString(clipboard_text().value_or(L"<none>"));
  EXPECT_EQ(text_of(box), about_text);
  EXPECT_EQ(selection_of(box), whole_text);
}

TEST_F(About, ItsBoxIsBorderlessAndWhiteWithOneLineInTheMiddle) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  HWND box = box_of(about);
  const RECT client = client_rect_on_screen(about), outer = window_rect(box);
  EXPECT_EQ(outer.left - client.left, 16);
  EXPECT_EQ(outer.top - client.top, 24);
  EXPECT_EQ(outer.right - outer.left, 336);
  EXPECT_EQ(outer.bottom - outer.top, 88);
  EXPECT_FALSE(GetWindowLongW(box, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  EXPECT_FALSE(GetWindowLongW(box, GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetWindowLongW(box, GWL_STYLE) & ES_READONLY);

  const RECT line = client_rect_on_screen(box);
  const int height = line.bottom - line.top;
  EXPECT_GT(height, 0);
  EXPECT_LT(height, 88);
  EXPECT_EQ(line.top - outer.top, (88 - height) / 2) << "line of " << height << " px";

  // Everything but the text is white, up to the box's edges; the text is black.
  const ScreenShot shot = wait_for_screen(outer, [&](const ScreenShot& s) {
    return s.at(0, 0) == white && s.at(s.width() - 1, s.height() - 1) == white;
  });
  int black = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const POINT on_screen{outer.left + x, outer.top + y};
      if (shot.at(x, y) == Rgb{0, 0, 0}) ++black;
      if (PtInRect(&line, on_screen)) continue;
      EXPECT_EQ(shot.at(x, y), white) << "at " << x << "," << y << " of the box";
      if (shot.at(x, y) != white) return;  // one report is enough
    }
  EXPECT_GT(black, 0) << "no black text in the box";
  const ScreenShot left_of_box({outer.left - 2, outer.top, outer.left, outer.bottom});
  EXPECT_TRUE(all_pixels_are(left_of_box, button_face()))
      << testing::PrintToString(left_of_box.at(0, 0));
}

// The About window does not move freely: only its title bar moves it.
TEST_F(About, PressingAndDraggingItsBackgroundDoesNotMoveIt) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  const RECT before = window_rect(about);
  const POINT background{client_rect_on_screen(about).left + 8,
                         client_rect_on_screen(about).top + 150};
  left_drag(background, {background.x + 40, background.y + 30});
  ASSERT_TRUE(select_whole_text_after_the_keys(about));  // the drag's messages were handled
  EXPECT_EQ(window_rect(about).left, before.left);
  EXPECT_EQ(window_rect(about).top, before.top);

  const POINT title{before.left + 60, (before.top + client_rect_on_screen(about).top) / 2};
  // A press on a title bar starts moving only once the pointer moves: nudge it one pixel,
  // wait for the move loop, then drag. The move counts from the press or from the nudge.
  left_down(title);
  move_mouse({title.x + 1, title.y});
  ASSERT_TRUE(wait_until([&] { return in_move_loop(about); }, 3000)) << "no move loop began";
  const auto moved = [&] { return window_rect(about).top == before.top + 30; };
  move_mouse({title.x + 40, title.y + 30});
  EXPECT_TRUE(wait_until(moved, 3000)) << "the title bar did not move it: top "
                                       << window_rect(about).top;
  left_up({title.x + 40, title.y + 30});
  const LONG left = window_rect(about).left;
  EXPECT_TRUE(left == before.left + 40 || left == before.left + 39) << "left " << left;
}

TEST_F(About, ActivatingTheMainWindowBringsItForward) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(make_foreground(other));
  SetForegroundWindow(app.main());  // as a click on its taskbar button does
  EXPECT_TRUE(wait_until([&] { return GetForegroundWindow() == about; }))
      << "foreground is " << GetForegroundWindow() << ", main " << app.main() << ", About "
      << about;
  EXPECT_TRUE(wait_until([&] { return focus_of(about) == box_of(about); }, 3000));
  DestroyWindow(other);
}

// A moved and selected first window must not come back: each opening builds it afresh.
// The first one is moved by the test (SetWindowPos), not dragged.
TEST_F(About, OpensAfreshAtTheSamePlaceWithTheSameTextEachTime) {
  HWND first = open();
  ASSERT_NE(first, nullptr);
  SetWindowPos(first, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(select_whole_text_after_the_keys(first));
  press_key(VK_ESCAPE);
  ASSERT_TRUE(closes(first));

  HWND second = open();
  ASSERT_NE(second, nullptr);
  const RECT r = window_rect(second);
  EXPECT_EQ(r.left, centred_place().x);
  EXPECT_EQ(r.top, centred_place().y);
  EXPECT_EQ(text_of(box_of(second)), about_text);
  EXPECT_EQ(selection_of(box_of(second)), std::make_pair(0, 0));
  EXPECT_EQ(focus_of(second), box_of(second));
}

TEST_F(About, MainWindowDoesNotCloseUnderItButEndsTheProgramAfter) {
  HWND about = open();
  ASSERT_NE(about, nullptr);
  const auto close_box = close_button_centre(app.main());
  ASSERT_TRUE(close_box) << "the main window has no close button";
  left_click(*close_box);
  PostMessageW(app.main(), WM_CLOSE, 0, 0);
  // Input comes after posted messages: once the keys show, the above has been handled.
  ASSERT_TRUE(select_whole_text_after_the_keys(about));
  EXPECT_TRUE(IsWindow(app.main()));
  EXPECT_TRUE(IsWindow(about));
  EXPECT_EQ(app.process().wait_for_exit(0), std::nullopt) << "the program ended";

  press_key(VK_ESCAPE);
  ASSERT_TRUE(closes(about));
  EXPECT_EQ(app.close(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace xpx::test
