// The open-file dialog of a dialog component, run modally over its window.
#pragma once

#include <windows.h>

#include <string>

#include "app/window_description.h"

namespace xpx {

// Starts from `file_name`; on OK stores the chosen full path there and returns true. On
// cancel, or when the dialog fails, returns false and leaves `file_name` as it was.
bool run_open_dialog(const ControlDesc& dialog, HWND owner, std::wstring& file_name);

}  // namespace xpx
