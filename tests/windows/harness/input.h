// Keyboard and mouse input as a user gives it (SendInput). Input reaches a window only once
// it is the foreground window, so callers wait for that first (make_foreground).
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace xpx::test {

bool make_foreground(HWND window);  // true once it is the foreground window

void press_key(WORD vk);                  // down and up
void press_chord(WORD modifier, WORD vk);  // e.g. VK_SHIFT + VK_TAB
void type_text(std::wstring_view text);   // Unicode characters, one by one

void move_mouse(POINT screen);
void left_click(POINT screen);
// Press, move in steps, release. As a user holds the button before moving and waits for the
// window to follow, `pressed` (the press has been taken) and `arrived` (the window followed)
// are waited for, bounded, when given.
struct DragWaits {
  std::function<bool()> pressed, arrived;
};
void left_drag(POINT from, POINT to, const DragWaits& waits = {});
void left_down(POINT screen);
void left_up(POINT screen);

POINT centre_of(const RECT& r);

}  // namespace xpx::test
