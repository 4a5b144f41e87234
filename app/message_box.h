// The program's message box: titled "信息：", OK only, no icon, no owner, and modal to the
// whole program (every window of the thread is disabled until it is dismissed).
#pragma once

#include <string_view>

namespace xpx {

void show_message(std::wstring_view text);

}  // namespace xpx
