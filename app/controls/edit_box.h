// A single-line edit box whose line stands in the middle of the box's height. The space above
// and below the line is non-client area: painted in the box's background colour, and a press
// there is a press on the border (arrow pointer, no caret placement).
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace xpx {

HWND create_edit_box(const ControlDesc& desc, HWND parent, int id);

}  // namespace xpx
