#include "app/form.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "app/controls/create_control.h"
#include "app/shell.h"

namespace xpx {
namespace {

constexpr wchar_t form_class[] = L"XpxForm";
constexpr UINT activate_modal_message = WM_APP + 1;

void register_form_class(WNDPROC proc) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{.cbSize = sizeof wc,
                 .lpfnWndProc = proc,
                 .hInstance = inst,
                 // The program icon: large at 32x32, small scaled down to 16x16.
                 .hIcon = static_cast<HICON>(LoadImageW(inst, L"DEFAULT_ICON", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXICON),
                                                        GetSystemMetrics(SM_CYICON), 0)),
                 .hCursor = LoadCursorW(nullptr, IDC_ARROW),
                 // Looked up each time the window paints.
                 .hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                 .lpszClassName = form_class,
                 .hIconSm = static_cast<HICON>(LoadImageW(inst, L"DEFAULT_ICON", IMAGE_ICON,
                                                          GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), 0))};
  RegisterClassExW(&wc);
}

DWORD frame_style(const WindowDesc& desc) {
  // A fixed dialog frame with a title bar and system menu: no resizing by the edges.
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (desc.minimise_box) style |= WS_MINIMIZEBOX;
  if (desc.maximise_box) style |= WS_MAXIMIZEBOX;
  return style;
}

bool is_shift_down() { return GetKeyState(VK_SHIFT) < 0; }
bool is_ctrl_down() { return GetKeyState(VK_CONTROL) < 0; }
bool is_alt_down() { return GetKeyState(VK_MENU) < 0; }

}  // namespace

Form* Form::create(Shell& shell, const WindowDesc& desc, HWND owner) {
  static const bool registered = (register_form_class(window_proc), true);
  (void)registered;
  auto form = std::unique_ptr<Form>(new Form(shell, desc));
  // Centred on the whole primary screen, halves rounded toward zero.
  const int x = (GetSystemMetrics(SM_CXSCREEN) - desc.width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - desc.height) / 2;
  const std::wstring title(desc.title);
  HWND hwnd = CreateWindowExW(owner ? 0 : WS_EX_APPWINDOW, form_class, title.c_str(),
                              frame_style(desc), x, y, desc.width, desc.height, owner, nullptr,
                              GetModuleHandleW(nullptr), form.get());
  if (!hwnd) return nullptr;
  Form* live = form.release();  // from here the window owns it, until WM_NCDESTROY
  live->owned_by_window_ = true;
  RECT r;
  GetWindowRect(hwnd, &r);
  if (r.right - r.left != desc.width || r.bottom - r.top != desc.height)
    SetWindowPos(hwnd, nullptr, 0, 0, desc.width, desc.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!live->create_controls()) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  live->stack_controls();
  for (HWND c : live->controls_)
    if (c) ShowWindow(c, SW_SHOWNA);
  return live;
}

Form* Form::from_window(HWND hwnd) {
  wchar_t name[16];
  if (!hwnd || !GetClassNameW(hwnd, name, 16) || std::wstring_view(name) != form_class)
    return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Form::raise_created_and_show() {
  HWND hwnd = hwnd_;
  if (desc_.on_created) desc_.on_created(*this);
  if (!IsWindow(hwnd)) return false;  // `this` is gone with it
  ShowWindow(hwnd, SW_SHOWNORMAL);
  return true;
}

HWND Form::control(std::wstring_view name) const {
  for (std::size_t i = 0; i < desc_.controls.size(); ++i)
    if (desc_.controls[i].name == name) return controls_[i];
  return nullptr;
}

const ControlDesc* Form::control_desc(std::wstring_view name) const {
  for (const ControlDesc& c : desc_.controls)
    if (c.name == name) return &c;
  return nullptr;
}

std::wstring Form::text_of(std::wstring_view name) const {
  HWND c = control(name);
  if (!c) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(c)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(c, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring* Form::file_name_of(std::wstring_view dialog) {
  for (std::size_t i = 0; i < desc_.controls.size(); ++i)
    if (desc_.controls[i].name == dialog) return &file_names_[i];
  return nullptr;
}

// Containers come later in the description than their children, so a control is made once
// its parent exists; the stacking is set afterwards from the description order.
bool Form::create_controls() {
  const auto& list = desc_.controls;
  controls_.assign(list.size(), nullptr);
  file_names_.assign(list.size(), {});
  std::vector<bool> done(list.size(), false);
  for (bool progress = true; progress;) {
    progress = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (done[i]) continue;
      HWND parent = list[i].parent.empty() ? hwnd_ : control(list[i].parent);
      if (!parent) continue;
      done[i] = progress = true;
      if (list[i].kind == Kind::CommonDlg) continue;  // non-visual: only its settings
      controls_[i] = create_control(list[i], parent, static_cast<int>(i) + 1);
      if (!controls_[i]) return false;
    }
  }
  return std::all_of(done.begin(), done.end(), [](bool d) { return d; });
}

// Among the controls of one parent, the one listed first lies on top.
void Form::stack_controls() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (!controls_[i]) continue;
    HWND above = HWND_TOP;
    for (std::size_t j = i; j-- > 0;)
      if (controls_[j] && desc_.controls[j].parent == desc_.controls[i].parent) {
        above = controls_[j];
        break;
      }
    SetWindowPos(controls_[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// By tab order, and among equal tab orders (all of ours are 0) the later control first.
std::vector<HWND> Form::tab_order() const {
  std::vector<HWND> order;
  for (std::size_t i = controls_.size(); i-- > 0;)
    if (controls_[i] && desc_.controls[i].tab_stop && IsWindowVisible(controls_[i]) &&
        IsWindowEnabled(controls_[i]))
      order.push_back(controls_[i]);
  return order;
}

void Form::move_focus(int step) {
  const auto order = tab_order();
  if (order.empty()) return;
  const int n = static_cast<int>(order.size());
  const auto at = std::find(order.begin(), order.end(), GetFocus());
  const int next = at == order.end() ? (step > 0 ? 0 : n - 1)
                                     : (static_cast<int>(at - order.begin()) + step + n) % n;
  SetFocus(order[next]);
  // As in dialogs: arriving by Tab in an edit box selects its text.
  if (desc_.controls[index_of(order[next])].kind == Kind::EditBox)
    SendMessageW(order[next], EM_SETSEL, 0, -1);
}

// The focused control if it is a default button, else the first enabled default button.
void Form::press_default_button() {
  std::size_t pick = controls_.size();
  const int focused = index_of(GetFocus());
  if (focused >= 0 && desc_.controls[focused].default_button) pick = focused;
  for (std::size_t i = 0; pick == controls_.size() && i < controls_.size(); ++i)
    if (controls_[i] && desc_.controls[i].default_button && IsWindowEnabled(controls_[i]))
      pick = i;
  if (pick < controls_.size() && desc_.controls[pick].on_click) desc_.controls[pick].on_click(*this);
}

bool Form::pre_translate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if (is_ctrl_down() || is_alt_down()) return false;
      move_focus(is_shift_down() ? -1 : 1);
      return true;
    case VK_RETURN:
      if (is_ctrl_down() || is_shift_down() || is_alt_down()) return false;
      press_default_button();
      return true;
    case VK_ESCAPE:
      if (desc_.close_on_esc) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      return true;
    case VK_F1:  // no help in this program
      return true;
  }
  return false;
}

void Form::start_free_move(HWND pressed, LPARAM press) {
  HWND root = GetAncestor(pressed, GA_ROOT);
  Form* form = from_window(root);
  if (!form || !form->desc_.free_move) return;
  POINT pt{GET_X_LPARAM(press), GET_Y_LPARAM(press)};
  ClientToScreen(pressed, &pt);
  ReleaseCapture();
  SendMessageW(root, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
}

void Form::restore_focus() {
  if (saved_focus_ && IsWindow(saved_focus_) && IsChild(hwnd_, saved_focus_)) {
    SetFocus(saved_focus_);
    return;
  }
  const auto order = tab_order();
  if (!order.empty()) SetFocus(order.front());
}

void Form::on_activate(WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) saved_focus_ = focus;
    return;
  }
  // Activating a window that a modal one has disabled brings the modal one forward.
  HWND modal = shell_.modal_window();
  if (modal && modal != hwnd_ && !IsWindowEnabled(hwnd_)) PostMessageW(hwnd_, activate_modal_message, 0, 0);
}

void Form::on_command(WPARAM wp, LPARAM lp) {
  if (HIWORD(wp) != BN_CLICKED || !lp) return;
  const int i = index_of(reinterpret_cast<HWND>(lp));
  if (i >= 0 && desc_.controls[i].kind == Kind::Button && desc_.controls[i].on_click)
    desc_.controls[i].on_click(*this);
}

LRESULT Form::on_ctl_colour(HDC dc, HWND child) {
  const int i = index_of(child);
  if (i < 0) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  const ControlDesc& c = desc_.controls[i];
  const auto rgb = [](std::uint32_t v) { return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF); };
  SetTextColor(dc, rgb(c.text_colour));
  if (c.back_colour == system_default_colour) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  if (back_brushes_.size() != controls_.size()) back_brushes_.resize(controls_.size());
  if (!back_brushes_[i]) back_brushes_[i].reset(CreateSolidBrush(rgb(c.back_colour)));
  SetBkColor(dc, rgb(c.back_colour));
  return reinterpret_cast<LRESULT>(back_brushes_[i].get());
}

int Form::index_of(HWND child) const {
  if (!child) return -1;
  const auto at = std::find(controls_.begin(), controls_.end(), child);
  return at == controls_.end() ? -1 : static_cast<int>(at - controls_.begin());
}

LRESULT CALLBACK Form::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->shell_.window_destroyed(hwnd);
    if (form->owned_by_window_) delete form;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return form->on_message(msg, wp, lp);
}

LRESULT Form::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ACTIVATE:
      on_activate(wp);
      break;  // the default handling gives the focus to the window, and so to a control
    case WM_SETFOCUS:
      restore_focus();
      return 0;
    case WM_GETMINMAXINFO: {
      // The outer size is exact even where it exceeds the screen (800x600).
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMaxTrackSize.x = std::max<LONG>(info->ptMaxTrackSize.x, desc_.width);
      info->ptMaxTrackSize.y = std::max<LONG>(info->ptMaxTrackSize.y, desc_.height);
      return 0;
    }
    case activate_modal_message:
      if (HWND modal = shell_.modal_window()) SetForegroundWindow(modal);
      return 0;
    case WM_LBUTTONDOWN:
      start_free_move(hwnd_, lp);
      return 0;
    case WM_COMMAND:
      on_command(wp, lp);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return on_ctl_colour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_CLOSE:
      if (!IsWindowEnabled(hwnd_)) return 0;  // a modal window is open over this one
      shell_.window_closing(hwnd_);
      DestroyWindow(hwnd_);
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace xpx
