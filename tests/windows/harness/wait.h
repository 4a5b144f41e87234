// Bounded waits on observable state: poll until it holds or the time is up.
#pragma once

#include <windows.h>

namespace xpx::test {

inline constexpr DWORD default_timeout_ms = 10000;

template <class Pred>
bool wait_until(Pred pred, DWORD timeout_ms = default_timeout_ms) {
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  for (;;) {
    if (pred()) return true;
    if (GetTickCount64() >= end) return false;
    // Windows the test itself shows (to cover or take the focus) keep painting meanwhile.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(15);  // the polling interval, not a synchronisation
  }
}

}  // namespace xpx::test
