// The main window's commands that need no file: 确定 and the keys that run it, 其他功能 and
// 检查更新, on the live window.
#include <gtest/gtest.h>

#include "tests/windows/harness/input.h"
#include "tests/windows/harness/open_dialog.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "tests/windows/main_window_session.h"

namespace xpx::test {
namespace {

using Commands = MainWindowSession;

void set_text(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The preview is empty at start, so 确定 leaves the lobby picture nowhere; the strip and the
// counts over it stay as they were.
TEST_F(Commands, ConfirmRightAfterStartEmptiesThePanelButForTheStrip) {
  const ScreenShot strip_before = settled_shot(client_rect_on_screen(control(L"图片框3")));
  const ScreenShot lobby =
      wait_for_screen(client_rect_on_screen(control(L"图片框2")),
                      [&](const ScreenShot& s) { return panel_picture_pixels(s) > 0; });
  ASSERT_GT(panel_picture_pixels(lobby), 0) << "no lobby picture to begin with";
  click(L"按钮3");
  const ScreenShot panel = wait_panel_empty();
  EXPECT_EQ(panel_picture_pixels(panel), 0);
  const ScreenShot strip_after =
      wait_for_screen(client_rect_on_screen(control(L"图片框3")),
                      [&](const ScreenShot& s) { return s == strip_before; });
  EXPECT_TRUE(strip_after == strip_before) << "the strip or the counts over it changed";
}

TEST_F(Commands, ConfirmCopiesEachCountUnchanged) {
  struct Copy {
    std::wstring_view box, label;
    std::wstring text;
  };
  const Copy copies[] = {{L"编辑框2", L"透明标签5", L" 12 "},
                         {L"编辑框3", L"透明标签4", L"0x7"},
                         {L"编辑框5", L"透明标签6", L""}};
  for (const Copy& c : copies) set_text(control(c.box), c.text);
  click(L"按钮3");
  for (const Copy& c : copies) {
    HWND label = control(c.label);
    EXPECT_TRUE(wait_until([&] { return text_of(label) == c.text; }, 3000))
        << ::testing::PrintToString(std::wstring(c.label)) << " shows "
        << ::testing::PrintToString(text_of(label));
  }
}

// Drawn twice, see-through glyphs would thicken; the panel must look as after one press.
TEST_F(Commands, ConfirmTwiceLooksLikeOnce) {
  set_text(control(L"编辑框2"), L"88888");
  set_text(control(L"编辑框3"), L"#");
  click(L"按钮3");
  ASSERT_TRUE(wait_until([&] { return text_of(control(L"透明标签5")) == L"88888"; }, 3000));
  const RECT panel = client_rect_on_screen(control(L"图片框2"));
  const ScreenShot once = wait_panel_empty();
  click(L"按钮3");
  press_key(VK_TAB);  // handled after the second press: from 按钮3 to 按钮4
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == control(L"按钮4"); }, 3000));
  const ScreenShot twice = wait_for_screen(panel, [&](const ScreenShot& s) { return s == once; });
  EXPECT_TRUE(twice == once) << "the panel changed on the second press";
}

struct KeyCase {
  const char* what;  // names the case
  int tabs;          // Tab presses from 编辑框2, the first control
  std::wstring_view focused;
  WORD key;
};

class ConfirmKey : public Commands, public ::testing::WithParamInterface<KeyCase> {};

// Enter runs the default button whichever control has the focus; Space clicks the focused
// button. Either way 确定 runs (the panel empties) and 选择文件 does not (no dialog).
TEST_P(ConfirmKey, RunsConfirm) {
  const KeyCase& c = GetParam();
  for (int i = 0; i < c.tabs; ++i) press_key(VK_TAB);
  HWND want = control(c.focused);
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == want; }, 3000))
      << "the focus is on id " << GetDlgCtrlID(focus_of(app.main()));
  press_key(c.key);
  EXPECT_EQ(panel_picture_pixels(wait_panel_empty()), 0);
  EXPECT_EQ(open_dialog_of(app.process().pid()), nullptr) << "the open-file dialog came";
  EXPECT_EQ(top_windows(app.process().pid()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ConfirmKey,
                         ::testing::Values(KeyCase{"EnterInACountBox", 1, L"编辑框3", VK_RETURN},
                                           KeyCase{"EnterOnThePickButton", 3, L"按钮2", VK_RETURN},
                                           KeyCase{"SpaceOnConfirm", 4, L"按钮3", VK_SPACE}),
                         [](const auto& info) { return std::string(info.param.what); });

// While the box is up the main window is disabled: a press on 关于 there opens nothing.
TEST_F(Commands, OtherFunctionsSaysStillToComeAndHoldsTheWindow) {
  click(L"按钮4");
  HWND box = wait_for_window(app.process().pid(), message_title);
  ASSERT_NE(box, nullptr) << "no message box came";
  EXPECT_TRUE(is_plain_message_box(box, L"敬请期待"));
  EXPECT_FALSE(IsWindowEnabled(app.main()));
  click(L"按钮1");
  ASSERT_TRUE(make_foreground(box));
  press_key(VK_RETURN);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(box); })) << "Enter did not dismiss the box";
  EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(app.main()) != FALSE; }, 3000));
  EXPECT_TRUE(wait_until([&] { return GetForegroundWindow() == app.main(); }, 3000));
  EXPECT_EQ(top_windows(app.process().pid()).size(), 1u) << "a window opened from the disabled one";
}

// The first press moves the focus to the button (its focus frame shows); later ones change
// nothing at all.
TEST_F(Commands, CheckForUpdatesChangesNothing) {
  click(L"按钮5");
  HWND button = control(L"按钮5");
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == button; }, 3000));
  const RECT window = window_rect(app.main());
  const ScreenShot before = settled_shot(window);
  for (int i = 0; i < 3; ++i) click(L"按钮5");
  // Handled after the presses: away from the button and back.
  press_chord(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == control(L"编辑框5"); }, 3000));
  press_key(VK_TAB);
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == button; }, 3000));
  const ScreenShot after =
      wait_for_screen(window, [&](const ScreenShot& s) { return s == before; });
  EXPECT_TRUE(after == before) << "the window looks different";
  EXPECT_EQ(top_windows(app.process().pid()).size(), 1u) << "a window opened";
}

}  // namespace
}  // namespace xpx::test
