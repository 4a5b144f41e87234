// Finding the program's windows and controls from outside, as a user's tools would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_description.h"

namespace xpx::test {

std::wstring title_of(HWND hwnd);
std::wstring class_of(HWND hwnd);
std::wstring text_of(HWND hwnd);  // WM_GETTEXT, works across processes

// Visible top-level windows of a process, optionally only those with this title.
std::vector<HWND> top_windows(DWORD pid, std::wstring_view title = {});
HWND wait_for_window(DWORD pid, std::wstring_view title, DWORD timeout_ms = 10000);

// The control of a window described by `desc`, found by its place in the description.
HWND control_of(HWND window, const WindowDesc& desc, std::wstring_view name);
const ControlDesc& control_desc(const WindowDesc& desc, std::wstring_view name);

RECT window_rect(HWND hwnd);
RECT client_rect_on_screen(HWND hwnd);
HWND focus_of(HWND window);   // the focused window of the window's thread
bool in_move_loop(HWND window);  // its thread is moving or sizing a window

// Where a part of the title bar lies (HTCLOSE, HTSYSMENU...), found by asking the window what
// lies where (WM_NCHITTEST) in the band above its client area; nothing if it has none.
std::optional<RECT> title_bar_part(HWND window, LRESULT part);
std::optional<POINT> close_button_centre(HWND window);

}  // namespace xpx::test
