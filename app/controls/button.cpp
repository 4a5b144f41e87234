#include "app/controls/button.h"

#include <string>

#include "app/controls/font.h"

namespace xpx {

HWND create_button(const ControlDesc& desc, HWND parent, int id) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE | BS_CENTER | BS_VCENTER;
  style |= desc.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (desc.tab_stop) style |= WS_TABSTOP;
  const std::wstring text(desc.text);
  HWND hwnd = CreateWindowExW(0, L"BUTTON", text.c_str(), style, desc.left, desc.top, desc.width,
                              desc.height, parent, reinterpret_cast<HMENU>(INT_PTR{id}),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
  return hwnd;
}

}  // namespace xpx
