#include "ui/main/trans_label.h"

#include <string>

#include "app/controls/child_window.h"
#include "app/controls/font.h"
#include "app/unique_handle.h"

namespace xpx {
namespace {

constexpr wchar_t trans_label_class[] = L"XpxTransLabel";

const ControlDesc& desc_of(HWND hwnd) {
  return *reinterpret_cast<const ControlDesc*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The label's own content: its glyphs and nothing behind them. An ampersand marks the next
// character (underlined); "&&" draws one ampersand.
void draw_glyphs(HWND hwnd, HDC dc) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int length = GetWindowTextLengthW(hwnd);
  if (length == 0) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  const ControlDesc& desc = desc_of(hwnd);
  SelectObjectGuard font(dc, default_gui_font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, to_colorref(desc.text_colour));
  DrawTextW(dc, text.c_str(), length, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
}

// Paints what lies beneath the label into its DC: the parent's client content, then each
// sibling below the label from the bottom up, each at its own place.
void draw_underlay(HWND hwnd, HDC dc) {
  POINT origin{0, 0};
  HWND parent = GetParent(hwnd);
  MapWindowPoints(parent, hwnd, &origin, 1);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RECT mine;
  GetWindowRect(hwnd, &mine);
  HWND top = GetWindow(parent, GW_CHILD);
  for (HWND below = top ? GetWindow(top, GW_HWNDLAST) : nullptr; below && below != hwnd;
       below = GetWindow(below, GW_HWNDPREV)) {
    RECT theirs, overlap;
    GetWindowRect(below, &theirs);
    if (!IsWindowVisible(below) || !IntersectRect(&overlap, &mine, &theirs)) continue;
    POINT at{0, 0};
    MapWindowPoints(below, hwnd, &at, 1);
    SetViewportOrgEx(dc, at.x, at.y, nullptr);
    SendMessageW(below, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
  SetViewportOrgEx(dc, 0, 0, nullptr);
}

// Composed off screen and copied at once, so a change never shows a half-drawn state.
void paint(HWND hwnd) {
  PaintScope paint(hwnd);
  RECT rc;
  GetClientRect(hwnd, &rc);
  UniqueDc mem(CreateCompatibleDC(paint.dc()));
  UniqueBitmap canvas(CreateCompatibleBitmap(paint.dc(), rc.right, rc.bottom));
  if (!mem || !canvas) return;
  SelectObjectGuard select(mem.get(), canvas.get());
  draw_underlay(hwnd, mem.get());
  draw_glyphs(hwnd, mem.get());
  BitBlt(paint.dc(), 0, 0, rc.right, rc.bottom, mem.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK trans_label_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(desc_from_create(lp)));
      break;
    case WM_ERASEBKGND:
      return 1;  // nothing of its own behind the glyphs
    case WM_PAINT:
      paint(hwnd);
      return 0;
    case WM_PRINTCLIENT:
      draw_glyphs(hwnd, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_LBUTTONDOWN:
      return 0;  // swallowed: a press here neither moves the window nor does anything else
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HWND create_trans_label(const ControlDesc& desc, HWND parent, int id) {
  register_control_class(trans_label_class, trans_label_proc);
  return create_child_window(trans_label_class, 0, 0, desc, parent, id);
}

void write_label_text(HWND label, std::wstring_view text) {
  const std::wstring copy(text);
  SetWindowTextW(label, copy.c_str());
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace xpx
