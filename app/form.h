// A live window built from its description: its controls, keyboard handling (Tab order,
// Enter for the default button, Esc), focus memory and free move.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/unique_handle.h"
#include "app/window_description.h"

namespace xpx {

class Shell;

class Form {
public:
  // Builds the window hidden, centred on the primary screen, and its controls (shown inside
  // the still hidden window). Null when the window cannot be built.
  static Form* create(Shell& shell, const WindowDesc& desc, HWND owner);
  static Form* from_window(HWND hwnd);  // null unless hwnd is one of our windows

  // Raises the created event, then shows the window unless the event closed it.
  bool raise_created_and_show();

  HWND hwnd() const { return hwnd_; }
  Shell& shell() const { return shell_; }
  const WindowDesc& desc() const { return desc_; }

  HWND control(std::wstring_view name) const;  // null for a name it does not have
  const ControlDesc* control_desc(std::wstring_view name) const;
  std::wstring text_of(std::wstring_view name) const;
  std::wstring* file_name_of(std::wstring_view dialog);  // a dialog component's file name

  // Tab, Shift+Tab, Enter, Esc and F1 for this window and its controls.
  bool pre_translate(const MSG& msg);

  // Moves the window with the mouse as though its title bar had been pressed. `press` is the
  // WM_LBUTTONDOWN position in `pressed`'s client coordinates: the move follows the pointer
  // from there, however far it has gone since.
  static void start_free_move(HWND pressed, LPARAM press);

private:
  Form(Shell& shell, const WindowDesc& desc) : shell_(shell), desc_(desc) {}
  static LRESULT CALLBACK window_proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp);

  bool create_controls();
  void stack_controls();
  std::vector<HWND> tab_order() const;
  void move_focus(int step);
  void press_default_button();
  void restore_focus();
  void on_activate(WPARAM wp);
  void on_command(WPARAM wp, LPARAM lp);
  LRESULT on_ctl_colour(HDC dc, HWND child);
  int index_of(HWND child) const;

  Shell& shell_;
  const WindowDesc& desc_;
  HWND hwnd_ = nullptr;
  std::vector<HWND> controls_;          // by description index; null for non-visual ones
  std::vector<std::wstring> file_names_;  // by description index, for dialog components
  std::vector<UniqueBrush> back_brushes_;  // by description index, for own background colours
  std::vector<UniqueFont> fonts_;
  HWND saved_focus_ = nullptr;
  bool owned_by_window_ = false;  // false while CreateWindowExW may still fail
};

}  // namespace xpx
