#include "app/message_box.h"

#include <windows.h>

#include <string>

namespace xpx {

void show_message(std::wstring_view text) {
  const std::wstring copy(text);
  HWND active = GetActiveWindow();
  MessageBoxW(nullptr, copy.c_str(), L"信息：", MB_OK | MB_TASKMODAL);
  // The box is destroyed while the windows it disabled are still disabled, so the activation
  // it gives up goes to none of ours: hand it back to the window that had it.
  if (active && IsWindow(active)) SetForegroundWindow(active);
}

}  // namespace xpx
