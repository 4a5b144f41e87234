#include "app/controls/button.h"

#include "app/controls/child_window.h"
#include "app/controls/font.h"

namespace xpx {

HWND create_button(const ControlDesc& desc, HWND parent, int id) {
  DWORD style = BS_MULTILINE | BS_CENTER | BS_VCENTER;
  style |= desc.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (desc.tab_stop) style |= WS_TABSTOP;
  HWND hwnd = create_child_window(L"BUTTON", 0, style, desc, parent, id);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
  return hwnd;
}

}  // namespace xpx
