#include "app/message_box.h"

#include <windows.h>

#include <string>

namespace xpx {

void show_message(std::wstring_view text) {
  const std::wstring copy(text);
  MessageBoxW(nullptr, copy.c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

}  // namespace xpx
