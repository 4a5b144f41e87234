// Makes the window of one control from its description row, hidden, as a child of `parent`.
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace xpx {

// `id` is the control's place in its window's description, counted from 1.
HWND create_control(const ControlDesc& desc, HWND parent, int id);

}  // namespace xpx
