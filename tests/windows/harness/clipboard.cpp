#include "tests/windows/harness/clipboard.h"

#include <windows.h>

#include <cstring>

#include "tests/windows/harness/wait.h"

namespace xpx::test {
namespace {

// Another program may hold the clipboard for a moment; opening is retried, bounded.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(wait_until([] { return OpenClipboard(nullptr) != FALSE; }, 3000)) {}
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

bool put_on_clipboard(std::wstring_view text) {
  OpenClipboardScope clipboard;
  if (!clipboard || !EmptyClipboard()) return false;
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  auto* dest = static_cast<wchar_t*>(GlobalLock(memory));
  std::memcpy(dest, text.data(), text.size() * sizeof(wchar_t));
  dest[text.size()] = L'\0';
  GlobalUnlock(memory);
  if (SetClipboardData(CF_UNICODETEXT, memory)) return true;  // the clipboard owns it now
  GlobalFree(memory);
  return false;
}

std::optional<std::wstring> clipboard_text() {
  OpenClipboardScope clipboard;
  if (!clipboard) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return {};
  std::wstring copy(text);
  GlobalUnlock(data);
  return copy;
}

}  // namespace xpx::test
