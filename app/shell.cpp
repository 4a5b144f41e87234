#include "app/shell.h"

#include <algorithm>

#include "app/form.h"

namespace xpx {
namespace {

constexpr wchar_t hidden_owner_class[] = L"XpxHiddenOwner";

HWND create_hidden_owner() {
  WNDCLASSEXW wc{.cbSize = sizeof wc, .lpfnWndProc = DefWindowProcW,
                 .hInstance = GetModuleHandleW(nullptr), .lpszClassName = hidden_owner_class};
  RegisterClassExW(&wc);
  // A tool window that is never shown: windows it owns get no taskbar button.
  return CreateWindowExW(WS_EX_TOOLWINDOW, hidden_owner_class, L"", WS_POPUP, 0, 0, 0, 0,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void empty_exit_hook() {}

}  // namespace

Shell::Shell() = default;

int Shell::run(const WindowDesc& main_window) {
  hidden_owner_.reset(create_hidden_owner());
  add_exit_hook(empty_exit_hook);
  if (!load_window(main_window, nullptr, false)) {
    MessageBoxW(nullptr, L"无法创建主窗口。", main_window.title.data(), MB_OK | MB_ICONERROR);
    return -1;
  }
  loop_started_ = true;
  int exit_code = 0;
  if (!loaded_.empty()) exit_code = message_loop(nullptr);
  run_exit_hooks();
  hidden_owner_.reset();
  return exit_code;
}

bool Shell::load_window(const WindowDesc& desc, HWND owner, bool modal) {
  if (HWND existing = find_loaded(desc)) {
    ShowWindow(existing, IsIconic(existing) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(existing);
    return true;
  }
  if (modal) owner = hidden_owner_.get();
  Form* form = Form::create(*this, desc, owner);
  if (!form) return false;
  HWND hwnd = form->hwnd();
  loaded_.push_back({&desc, hwnd});
  HWND active_before = GetActiveWindow();
  if (!form->raise_created_and_show()) return true;  // closed by its own created event
  if (modal) {
    modal_frames_.push_back({hwnd, active_before, {}});
    disable_others(modal_frames_.back());
    message_loop(hwnd);
  }
  return true;
}

void Shell::add_exit_hook(void (*hook)()) {
  if (std::find(exit_hooks_.begin(), exit_hooks_.end(), hook) == exit_hooks_.end())
    exit_hooks_.push_back(hook);
}

void Shell::window_closing(HWND hwnd) { restore_enabled(hwnd); }

void Shell::window_destroyed(HWND hwnd) {
  restore_enabled(hwnd);
  std::erase_if(loaded_, [hwnd](const Loaded& l) { return l.hwnd == hwnd; });
  if (loaded_.empty() && loop_started_) PostQuitMessage(0);
}

HWND Shell::modal_window() const {
  return modal_frames_.empty() ? nullptr : modal_frames_.back().hwnd;
}

HWND Shell::find_loaded(const WindowDesc& desc) const {
  for (const Loaded& l : loaded_)
    if (l.desc == &desc && IsWindow(l.hwnd)) return l.hwnd;
  return nullptr;
}

void Shell::disable_others(ModalFrame& frame) {
  for (const Loaded& l : loaded_) {
    if (l.hwnd == frame.hwnd) continue;
    frame.disabled.emplace_back(l.hwnd, IsWindowEnabled(l.hwnd) != FALSE);
    EnableWindow(l.hwnd, FALSE);
  }
}

// Re-enabled before the modal window is destroyed, so that activation passes back to them.
void Shell::restore_enabled(HWND modal) {
  auto frame = std::find_if(modal_frames_.begin(), modal_frames_.end(),
                            [modal](const ModalFrame& f) { return f.hwnd == modal; });
  if (frame == modal_frames_.end()) return;
  const bool was_foreground = GetForegroundWindow() == modal;
  for (auto [hwnd, was_enabled] : frame->disabled)
    if (IsWindow(hwnd)) EnableWindow(hwnd, was_enabled);
  // Its owner is hidden and cannot take the activation back; left to itself, Wine at times
  // gives it to the desktop, and the main window would not take keys until clicked.
  HWND back = frame->active_before;
  if (was_foreground && back && IsWindow(back) && IsWindowEnabled(back)) SetForegroundWindow(back);
  modal_frames_.erase(frame);
}

// The main loop, or a nested one for a modal window: that one ends when its window is gone
// or when a quit message is next, which it leaves in the queue for the outer loop.
int Shell::message_loop(HWND modal) {
  MSG msg;
  for (;;) {
    if (modal && !IsWindow(modal)) return 0;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      if (modal) PostQuitMessage(static_cast<int>(msg.wParam));
      return static_cast<int>(msg.wParam);
    }
    if (got == -1) return -1;
    if (!pre_translate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

bool Shell::pre_translate(MSG& msg) {
  if (!msg.hwnd) return false;
  Form* form = Form::from_window(GetAncestor(msg.hwnd, GA_ROOT));
  return form && form->pre_translate(msg);
}

void Shell::run_exit_hooks() {
  for (auto hook : exit_hooks_) hook();
  exit_hooks_.clear();
}

}  // namespace xpx
