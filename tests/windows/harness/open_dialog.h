// The platform's open-file dialog of the program, found and filled in from outside.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace xpx::test {

inline constexpr std::wstring_view open_dialog_title = L"打开一个PNG图片";

// The program's visible open-file dialog: a "#32770" window with that title and a file-name
// box; null if none came in time. Its error boxes may share the title but have no such box.
HWND open_dialog_of(DWORD pid);
HWND wait_for_open_dialog(DWORD pid, DWORD timeout_ms = 10000);

// The edit field of the file-name combo box (cmb13, id 1148).
HWND file_name_edit(HWND dialog);

// Puts `name` into the file-name field and presses Enter, which is the dialog's Open; true
// once the dialog is gone.
bool open_in_dialog(HWND dialog, std::wstring_view name);
// Types `name` character by character into the emptied file-name field, then Enter.
bool type_in_dialog(HWND dialog, std::wstring_view name);
// Esc; true once the dialog is gone.
bool cancel_dialog(HWND dialog);

}  // namespace xpx::test
