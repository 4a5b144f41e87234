// A see-through label: only the glyphs of its text are drawn; everywhere else the windows
// beneath it show. A press on it does nothing (it takes no part in free move).
#pragma once

#include <windows.h>

#include <string_view>

#include "app/window_description.h"

namespace xpx {

HWND create_trans_label(const ControlDesc& desc, HWND parent, int id);

// Takes the text unchanged and repaints the label's rectangle before it returns, so that the
// old text leaves no trace.
void write_label_text(HWND label, std::wstring_view text);

}  // namespace xpx
