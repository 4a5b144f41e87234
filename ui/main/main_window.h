// The main window's description: the result panel over the settings area.
#pragma once

#include "app/window_description.h"

namespace xpx {

extern const WindowDesc main_window;

}  // namespace xpx
