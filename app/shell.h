// The application shell: builds windows from their descriptions, runs the message loop and
// ends the process when the last window is gone.
#pragma once

#include <windows.h>

#include <vector>

#include "app/unique_handle.h"
#include "app/window_description.h"

namespace xpx {

class Shell {
public:
  Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Start-up, the main loop and shutdown; returns the process's exit code.
  int run(const WindowDesc& main_window);

  // Builds a window from its description and shows it. A modal load gets the hidden owner
  // window as owner (so it has no taskbar button), disables every other loaded window and
  // returns only after the window is gone. False when the window cannot be built.
  bool load_window(const WindowDesc& desc, HWND owner, bool modal);

  void add_exit_hook(void (*hook)());

  // Called by a window of ours while it closes and when it has been destroyed.
  void window_closing(HWND hwnd);
  void window_destroyed(HWND hwnd);
  HWND modal_window() const;

private:
  struct Loaded {
    const WindowDesc* desc;
    HWND hwnd;
  };
  struct ModalFrame {
    HWND hwnd;
    HWND active_before;  // takes the activation back when the modal window goes
    std::vector<std::pair<HWND, bool>> disabled;  // each window and whether it was enabled
  };

  HWND find_loaded(const WindowDesc& desc) const;
  void disable_others(ModalFrame& frame);
  void restore_enabled(HWND modal);
  int message_loop(HWND modal);
  bool pre_translate(MSG& msg);
  void run_exit_hooks();

  UniqueWindow hidden_owner_;
  std::vector<Loaded> loaded_;
  std::vector<ModalFrame> modal_frames_;
  std::vector<void (*)()> exit_hooks_;
  bool loop_started_ = false;
};

}  // namespace xpx
