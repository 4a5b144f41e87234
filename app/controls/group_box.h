// The platform's group frame as a container: its children's notifications and colour
// requests go on to the window they belong to.
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace xpx {

HWND create_group_box(const ControlDesc& desc, HWND parent, int id);

}  // namespace xpx
