#include "app/controls/edit_box.h"

#include <commctrl.h>


#include "app/controls/child_window.h"
#include "app/controls/font.h"
#include "app/unique_handle.h"

namespace xpx {
namespace {

int line_height(HWND edit) {
  HDC dc = GetDC(edit);
  auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  SIZE size{};
  {
    SelectObjectGuard select(dc, font ? font : default_gui_font());
    GetTextExtentPoint32W(dc, L"W", 1, &size);
  }
  ReleaseDC(edit, dc);
  return size.cy;
}

// The client rectangle shrinks to one line, centred in the space inside the border.
void centre_line(HWND edit, RECT& client) {
  const int line = line_height(edit);
  const int space = client.bottom - client.top;
  if (line <= 0 || line >= space) return;
  client.top += (space - line) / 2;
  client.bottom = client.top + line;
}

// Fills the bands above and below the line with what the parent gives as the background.
void paint_bands(HWND edit) {
  RECT window, client;
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  if (GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
    InflateRect(&window, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  HDC dc = GetWindowDC(edit);
  const UINT colour_msg =
      (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(edit), colour_msg, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(edit)));
  if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);
  const RECT above{window.left, window.top, window.right, client.top};
  const RECT below{window.left, client.bottom, window.right, window.bottom};
  FillRect(dc, &above, brush);
  FillRect(dc, &below, brush);
  ReleaseDC(edit, dc);
}

LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      centre_line(hwnd, wp ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0]
                           : *reinterpret_cast<RECT*>(lp));
      return r;
    }
    case WM_NCPAINT:
      DefSubclassProc(hwnd, msg, wp, lp);
      paint_bands(hwnd);
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = DefSubclassProc(hwnd, msg, wp, lp);
      return hit == HTCLIENT ? hit : HTBORDER;
    }
    case WM_SETFONT: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

HWND create_edit_box(const ControlDesc& desc, HWND parent, int id) {
  DWORD style = ES_LEFT | ES_AUTOHSCROLL;
  if (desc.read_only) style |= ES_READONLY;
  if (desc.tab_stop) style |= WS_TABSTOP;
  HWND hwnd = create_child_window(L"EDIT", desc.client_edge ? WS_EX_CLIENTEDGE : 0, style, desc,
                                  parent, id);
  if (!hwnd) return nullptr;
  SetWindowSubclass(hwnd, edit_proc, 0, 0);
  SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // no limit but the platform's own
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
  return hwnd;
}

}  // namespace xpx
