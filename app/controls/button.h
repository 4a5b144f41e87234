// A standard push button; the default one is the target of the Enter key.
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace xpx {

HWND create_button(const ControlDesc& desc, HWND parent, int id);

}  // namespace xpx
