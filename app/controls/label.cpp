#include "app/controls/label.h"


#include "app/controls/child_window.h"
#include "app/controls/font.h"
#include "app/form.h"
#include "app/unique_handle.h"

namespace xpx {
namespace {

constexpr wchar_t label_class[] = L"XpxLabel";

struct LabelState {
  const ControlDesc* desc;
  UniqueFont font;
};

UINT align_flag(Align a) {
  switch (a) {
    case Align::left: return DT_LEFT;
    case Align::centre: return DT_CENTER;
    case Align::right: return DT_RIGHT;
  }
  return DT_LEFT;
}

void paint_content(HWND hwnd, const LabelState& s, HDC dc) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  const std::uint32_t back = s.desc->back_colour;
  if (back == system_default_colour) {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));  // looked up at every paint
  } else {
    UniqueBrush brush(CreateSolidBrush(to_colorref(back)));
    FillRect(dc, &rc, brush.get());
  }
  wchar_t text[256];
  const int n = GetWindowTextW(hwnd, text, 256);
  SelectObjectGuard font(dc, s.font ? s.font.get() : default_gui_font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, to_colorref(s.desc->text_colour));
  DrawTextW(dc, text, n, &rc, DT_SINGLELINE | DT_VCENTER | align_flag(s.desc->align));
}

LRESULT CALLBACK label_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<LabelState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_NCCREATE: {
      const ControlDesc* desc = desc_from_create(lp);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(new LabelState{desc, make_font(desc->font)}));
      break;
    }
    case WM_NCDESTROY:
      delete s;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole area
    case WM_PAINT: {
      PaintScope paint(hwnd);
      if (s) paint_content(hwnd, *s, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      if (s) paint_content(hwnd, *s, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case WM_LBUTTONDOWN:
      Form::start_free_move(hwnd, lp);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HWND create_label(const ControlDesc& desc, HWND parent, int id) {
  register_control_class(label_class, label_proc);
  return create_child_window(label_class, 0, 0, desc, parent, id);
}

}  // namespace xpx
