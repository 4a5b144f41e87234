// The program started as a user starts it: the greeting first, then the main window.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "tests/windows/harness/app_process.h"

namespace xpx::test {

inline constexpr std::wstring_view main_title = L"星屏秀BETA";
inline constexpr std::wstring_view message_title = L"信息：";

class RunningApp {
public:
  explicit RunningApp(const std::wstring& arguments = L"");

  AppProcess& process() { return process_; }
  const AppProcess& process() const { return process_; }
  HWND greeting() const { return greeting_; }  // null if it never came
  HWND main() const { return main_; }          // null until the greeting is dismissed

  // Dismisses the greeting with Enter and waits until the main window is shown and active.
  bool dismiss_greeting();
  // Starts, dismisses the greeting; false if any step did not happen in time.
  bool start();
  bool wait_painted() const;

  HWND control(std::wstring_view name) const;  // a control of the main window
  RECT control_rect(std::wstring_view name) const;

  // Clicks into an edit box, deletes its text and types `text`; true once it stands there.
  bool type_into(std::wstring_view box, std::wstring_view text) const;

  // Closes the main window with Alt+F4 and gives the exit code (nothing if it did not end).
  std::optional<DWORD> close();

private:
  AppProcess process_;
  HWND greeting_ = nullptr;
  HWND main_ = nullptr;
};

// A button of a message box (they are dialogs: the OK button has id IDOK).
HWND message_box_ok(HWND box);
std::wstring message_box_text(HWND box);
// The program's kind of message box: titled "信息：", this text, an OK button and no other,
// no icon, no owner. The failure names what differs.
::testing::AssertionResult is_plain_message_box(HWND box, std::wstring_view text);

}  // namespace xpx::test
