// The clipboard as another program sees it: text put there and read back as Unicode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xpx::test {

bool put_on_clipboard(std::wstring_view text);  // false if the clipboard stayed busy
std::optional<std::wstring> clipboard_text();   // nothing if busy or holding no text

}  // namespace xpx::test
