#include "tests/windows/harness/running_app.h"

#include "tests/windows/harness/input.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "ui/main/main_window.h"

namespace xpx::test {

RunningApp::RunningApp(const std::wstring& arguments) : process_(arguments) {
  if (process_.started()) greeting_ = wait_for_window(process_.pid(), message_title);
}

bool RunningApp::dismiss_greeting() {
  if (!greeting_ || !make_foreground(greeting_)) return false;
  press_key(VK_RETURN);
  main_ = wait_for_window(process_.pid(), main_title);
  return main_ && wait_until([&] { return GetForegroundWindow() == main_; }) && wait_painted();
}

// Shown is not yet painted: wait until the window's background is on the screen.
bool RunningApp::wait_painted() const {
  const RECT client = client_rect_on_screen(main_);
  const RECT spot{client.left + 20, client.top + 300, client.left + 21, client.top + 301};
  return wait_until([&] { return ScreenShot(spot).at(0, 0) == button_face(); });
}

bool RunningApp::start() { return greeting_ && dismiss_greeting(); }

HWND RunningApp::control(std::wstring_view name) const {
  return control_of(main_, main_window, name);
}

RECT RunningApp::control_rect(std::wstring_view name) const { return window_rect(control(name)); }

bool RunningApp::type_into(std::wstring_view box, std::wstring_view text) const {
  HWND edit = control(box);
  left_click(centre_of(client_rect_on_screen(edit)));
  if (!wait_until([&] { return focus_of(main_) == edit; })) return false;
  press_key(VK_END);
  for (std::size_t n = text_of(edit).size(); n > 0; --n) press_key(VK_BACK);
  type_text(text);
  return wait_until([&] { return text_of(edit) == text; });
}

std::optional<DWORD> RunningApp::close() {
  if (!make_foreground(main_)) return {};
  press_chord(VK_MENU, VK_F4);
  return process_.wait_for_exit(default_timeout_ms);
}

HWND message_box_ok(HWND box) { return GetDlgItem(box, IDOK); }

std::wstring message_box_text(HWND box) {
  // The static control that holds the message (id 0xFFFF in the platform's template).
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? text_of(text) : std::wstring{};
}

::testing::AssertionResult is_plain_message_box(HWND box, std::wstring_view text) {
  auto failure = [](const char* what) { return ::testing::AssertionFailure() << what; };
  if (!box) return failure("no message box");
  using ::testing::PrintToString;
  if (const std::wstring title = title_of(box); title != message_title)
    return failure("titled ") << PrintToString(title);
  if (const std::wstring shown = message_box_text(box); shown != text)
    return failure("saying ") << PrintToString(shown);
  if (!message_box_ok(box)) return failure("no OK button");
  for (int other : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
    if (GetDlgItem(box, other)) return failure("a button besides OK, id ") << other;
  // The icon's place (stc1 in the platform's template) holds no icon.
  constexpr int icon_id = 1088;
  if (HWND icon = GetDlgItem(box, icon_id); icon && SendMessageW(icon, STM_GETICON, 0, 0))
    return failure("an icon");
  if (GetWindow(box, GW_OWNER)) return failure("an owner");
  return ::testing::AssertionSuccess();
}

}  // namespace xpx::test
