// The About window with the author's contact text, and the command that opens it.
#pragma once

#include "app/window_description.h"

namespace xpx {

extern const WindowDesc about_window;

void open_about(Form&);  // 关于: shows the About window modally

}  // namespace xpx
