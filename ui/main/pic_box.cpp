#include "ui/main/pic_box.h"

#include <optional>

#include "app/controls/child_window.h"
#include "app/form.h"
#include "app/unique_handle.h"
#include "picture/decode.h"
#include "picture/gif_animation.h"
#include "picture/prepare.h"
#include "picture/recognise.h"
#include "ui/main/picture_bitmap.h"

namespace xpx {
namespace {

constexpr wchar_t pic_box_class[] = L"XpxPicBox";
constexpr UINT_PTR animation_timer = 1;

struct PicBoxState {
  const ControlDesc* desc;
  COLORREF background;               // looked up when the box is made
  std::vector<std::uint8_t> value;   // the picture file's bytes, as written
  UniqueBitmap shown;                // the decoded picture, composited and stretched
  std::optional<picture::GifAnimation> animation;  // reads `value`, so it goes first
};

PicBoxState* state_of(HWND hwnd) {
  return reinterpret_cast<PicBoxState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

picture::Rgb to_rgb(COLORREF c) {
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

void show_image(HWND hwnd, PicBoxState& s, const picture::Image& image) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  s.shown = make_box_bitmap(image, to_rgb(s.background), rc.right, rc.bottom);
}

void stop_animation(HWND hwnd, PicBoxState& s) {
  KillTimer(hwnd, animation_timer);
  s.animation.reset();
}

void start_animation(HWND hwnd, PicBoxState& s, picture::GifAnimation animation) {
  s.animation.emplace(std::move(animation));
  show_image(hwnd, s, s.animation->canvas());
  if (s.animation->is_animated()) SetTimer(hwnd, animation_timer, s.animation->delay_ms(), nullptr);
}

void decode_value(HWND hwnd, PicBoxState& s) {
  const picture::Bytes bytes(s.value);
  if (s.desc->play_animation && picture::recognise(bytes) == picture::Format::gif) {
    if (auto animation = picture::GifAnimation::open(bytes)) start_animation(hwnd, s, std::move(*animation));
    return;
  }
  if (auto image = picture::decode(bytes)) show_image(hwnd, s, *image);
}

void next_frame(HWND hwnd, PicBoxState& s) {
  if (!s.animation || s.animation->advance()) {
    KillTimer(hwnd, animation_timer);  // a broken frame ends the animation on the last good one
    return;
  }
  show_image(hwnd, s, s.animation->canvas());
  SetTimer(hwnd, animation_timer, s.animation->delay_ms(), nullptr);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void paint_content(HWND hwnd, const PicBoxState& s, HDC dc) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  UniqueBrush fill(CreateSolidBrush(s.background));
  FillRect(dc, &rc, fill.get());
  if (!s.shown) return;
  UniqueDc mem(CreateCompatibleDC(dc));
  SelectObjectGuard select(mem.get(), s.shown.get());
  BitBlt(dc, 0, 0, rc.right, rc.bottom, mem.get(), 0, 0, SRCCOPY);
}

std::vector<std::uint8_t> built_in_picture(int resource_id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource_id), MAKEINTRESOURCEW(10));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data) return {};
  return {data, data + SizeofResource(module, found)};
}

LRESULT on_create(HWND hwnd, const CREATESTRUCTW& cs) {
  const auto* desc = static_cast<const ControlDesc*>(cs.lpCreateParams);  // see create_child_window
  auto* s = new PicBoxState{desc, GetSysColor(COLOR_BTNFACE), {}, {}, {}};
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
  if (desc->picture_resource) {
    s->value = built_in_picture(desc->picture_resource);
    decode_value(hwnd, *s);
  }
  return 0;
}

LRESULT CALLBACK pic_box_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  PicBoxState* s = state_of(hwnd);
  switch (msg) {
    case WM_CREATE:
      return on_create(hwnd, *reinterpret_cast<CREATESTRUCTW*>(lp));
    case WM_DESTROY:
      if (s) stop_animation(hwnd, *s);
      break;
    case WM_NCDESTROY:
      delete s;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    case WM_TIMER:
      if (s && wp == animation_timer) next_frame(hwnd, *s);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole client area
    case WM_PAINT: {
      PaintScope paint(hwnd);
      if (s) paint_content(hwnd, *s, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      if (s) paint_content(hwnd, *s, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_LBUTTONDOWN:
      Form::start_free_move(hwnd, lp);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HWND create_pic_box(const ControlDesc& desc, HWND parent, int id) {
  register_control_class(pic_box_class, pic_box_proc);
  // Border style 4: a raised dialog frame with a sunken edge inside it.
  const DWORD ex_style = desc.border_style == 4 ? WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE : 0;
  return create_child_window(pic_box_class, ex_style, WS_CLIPCHILDREN, desc, parent, id);
}

std::vector<std::uint8_t> read_picture(HWND box) {
  PicBoxState* s = state_of(box);
  return s ? s->value : std::vector<std::uint8_t>{};
}

void write_picture(HWND box, std::vector<std::uint8_t> bytes) {
  PicBoxState* s = state_of(box);
  if (!s) return;
  stop_animation(box, *s);  // before the bytes it reads are replaced
  s->shown.reset();
  s->value = std::move(bytes);
  if (!s->value.empty()) decode_value(box, *s);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace xpx
