// An opaque text label: fills its whole area with its background colour and draws its text on
// one line, centred vertically. A press on it moves the window (free move).
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace xpx {

HWND create_label(const ControlDesc& desc, HWND parent, int id);

}  // namespace xpx
