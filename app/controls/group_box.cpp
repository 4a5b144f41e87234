#include "app/controls/group_box.h"

#include <commctrl.h>


#include "app/controls/child_window.h"
#include "app/controls/font.h"
#include "app/form.h"
#include "app/unique_handle.h"

namespace xpx {
namespace {

LRESULT CALLBACK group_box_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                DWORD_PTR data) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(hwnd, &rc);
      FillRect(reinterpret_cast<HDC>(wp), &rc, reinterpret_cast<HBRUSH>(data));
      return 1;
    }
    case WM_NCHITTEST:
      return HTCLIENT;  // not see-through for the mouse: a press on it moves the window
    case WM_LBUTTONDOWN:
      Form::start_free_move(hwnd, lp);
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Only the box's children send these to it; their window answers them.
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
    case WM_NCDESTROY:
      DeleteObject(reinterpret_cast<HBRUSH>(data));
      RemoveWindowSubclass(hwnd, group_box_proc, 0);
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

HWND create_group_box(const ControlDesc& desc, HWND parent, int id) {
  DWORD style = WS_CLIPCHILDREN | BS_GROUPBOX;
  style |= desc.align == Align::centre ? BS_CENTER : desc.align == Align::right ? BS_RIGHT : BS_LEFT;
  HWND hwnd = create_child_window(L"BUTTON", 0, style, desc, parent, id);
  if (!hwnd) return nullptr;
  // The background colour is taken once, when the box is made.
  HBRUSH fill = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  SetWindowSubclass(hwnd, group_box_proc, 0, reinterpret_cast<DWORD_PTR>(fill));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
  return hwnd;
}

}  // namespace xpx
