#include "tests/windows/harness/input.h"

#include <vector>

#include "tests/windows/harness/wait.h"

namespace xpx::test {
namespace {

INPUT key(WORD vk, bool up) {
  INPUT in{.type = INPUT_KEYBOARD};
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

INPUT mouse(POINT p, DWORD flags) {
  INPUT in{.type = INPUT_MOUSE};
  // Absolute coordinates run 0..65535 over the primary screen.
  in.mi.dx = static_cast<LONG>((p.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = static_cast<LONG>((p.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return in;
}

void send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool cursor_at(POINT p) {
  POINT now;
  GetCursorPos(&now);
  return now.x == p.x && now.y == p.y;
}

}  // namespace

bool make_foreground(HWND window) {
  return wait_until([&] {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return false;
  });
}

void press_key(WORD vk) { send({key(vk, false), key(vk, true)}); }

void press_chord(WORD modifier, WORD vk) {
  send({key(modifier, false), key(vk, false), key(vk, true), key(modifier, true)});
}

void type_text(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT down{.type = INPUT_KEYBOARD}, up{.type = INPUT_KEYBOARD};
    down.ki.wScan = up.ki.wScan = c;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    up.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    send({down, up});
  }
}

void move_mouse(POINT p) {
  send({mouse(p, 0)});
  wait_until([&] { return cursor_at(p); }, 2000);
}

void left_down(POINT p) {
  move_mouse(p);
  send({mouse(p, MOUSEEVENTF_LEFTDOWN)});
}

void left_up(POINT p) { send({mouse(p, MOUSEEVENTF_LEFTUP)}); }

void left_click(POINT p) {
  move_mouse(p);
  send({mouse(p, MOUSEEVENTF_LEFTDOWN), mouse(p, MOUSEEVENTF_LEFTUP)});
}

void left_drag(POINT from, POINT to, const DragWaits& waits) {
  left_down(from);
  if (waits.pressed) wait_until(waits.pressed, 3000);
  constexpr int steps = 8;
  for (int i = 1; i <= steps; ++i)
    move_mouse({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  if (waits.arrived) wait_until(waits.arrived, 3000);
  left_up(to);
}

POINT centre_of(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace xpx::test
