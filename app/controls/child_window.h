// The one way a control's window is made: its row's geometry and text, its place in the
// description as id, and the row itself as the creation parameter.
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace xpx {

HWND create_child_window(const wchar_t* window_class, DWORD ex_style, DWORD style,
                         const ControlDesc& desc, HWND parent, int id);

// Registers one of our own control classes; registering it again does nothing.
void register_control_class(const wchar_t* name, WNDPROC proc);

// The description row a control of our own classes was made from (at WM_NCCREATE).
inline const ControlDesc* desc_from_create(LPARAM create_struct) {
  return static_cast<const ControlDesc*>(
      reinterpret_cast<const CREATESTRUCTW*>(create_struct)->lpCreateParams);
}

}  // namespace xpx
