#include "tests/windows/harness/open_dialog.h"

#include "tests/windows/harness/input.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"

namespace xpx::test {
namespace {

constexpr int file_name_combo_id = 1148;  // cmb13 in the platform's dialog template

bool is_open_dialog(HWND hwnd) {
  return class_of(hwnd) == L"#32770" && file_name_edit(hwnd) != nullptr;
}

bool wait_gone(HWND dialog) {
  return wait_until([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

// Input reaches the field once the dialog is foreground and the field has the focus.
bool focus_file_name(HWND dialog) {
  HWND edit = file_name_edit(dialog);
  if (!edit || !make_foreground(dialog)) return false;
  if (focus_of(dialog) == edit) return true;
  left_click(centre_of(window_rect(edit)));
  return wait_until([&] { return focus_of(dialog) == edit; }, 3000);
}

}  // namespace

HWND open_dialog_of(DWORD pid) {
  for (HWND hwnd : top_windows(pid, open_dialog_title))
    if (is_open_dialog(hwnd)) return hwnd;
  return nullptr;
}

HWND wait_for_open_dialog(DWORD pid, DWORD timeout_ms) {
  HWND found = nullptr;
  wait_until([&] { return (found = open_dialog_of(pid)) != nullptr; }, timeout_ms);
  return found;
}

// A named callback: on x86 the enumeration wants the stdcall convention a lambda lacks.
static BOOL CALLBACK find_edit(HWND child, LPARAM found) {
  if (class_of(child) != L"Edit") return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The combo box may be an extended one holding a plain combo box: the field is the Edit
// anywhere inside it.
HWND file_name_edit(HWND dialog) {
  HWND combo = GetDlgItem(dialog, file_name_combo_id);
  if (!combo) return nullptr;
  HWND edit = nullptr;
  EnumChildWindows(combo, find_edit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

bool open_in_dialog(HWND dialog, std::wstring_view name) {
  if (!focus_file_name(dialog)) return false;
  const std::wstring text(name);
  SendMessageW(file_name_edit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  press_key(VK_RETURN);
  return wait_gone(dialog);
}

bool type_in_dialog(HWND dialog, std::wstring_view name) {
  if (!focus_file_name(dialog)) return false;
  HWND edit = file_name_edit(dialog);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  type_text(name);
  if (!wait_until([&] { return text_of(edit) == name; }, 3000)) return false;
  press_key(VK_RETURN);
  return wait_gone(dialog);
}

bool cancel_dialog(HWND dialog) {
  if (!make_foreground(dialog)) return false;
  press_key(VK_ESCAPE);
  return wait_gone(dialog);
}

}  // namespace xpx::test
