#include "tests/windows/harness/windows_of.h"

#include <algorithm>
#include <stdexcept>

#include "tests/windows/harness/wait.h"

namespace xpx::test {

std::wstring title_of(HWND hwnd) { return text_of(hwnd); }

std::wstring class_of(HWND hwnd) {
  wchar_t name[256];
  return std::wstring(name, GetClassNameW(hwnd, name, 256));
}

std::wstring text_of(HWND hwnd) {
  const auto n = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

namespace {

struct TopQuery {
  DWORD pid;
  std::wstring_view title;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_top(HWND hwnd, LPARAM lp) {
  auto& q = *reinterpret_cast<TopQuery*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == q.pid && IsWindowVisible(hwnd) && (q.title.empty() || title_of(hwnd) == q.title))
    q.found.push_back(hwnd);
  return TRUE;
}

struct ChildQuery {
  int id;
  HWND found;
};

BOOL CALLBACK find_child(HWND hwnd, LPARAM lp) {
  auto& q = *reinterpret_cast<ChildQuery*>(lp);
  if (GetDlgCtrlID(hwnd) != q.id) return TRUE;
  q.found = hwnd;
  return FALSE;
}

}  // namespace

std::vector<HWND> top_windows(DWORD pid, std::wstring_view title) {
  TopQuery q{pid, title, {}};
  EnumWindows(collect_top, reinterpret_cast<LPARAM>(&q));
  return q.found;
}

HWND wait_for_window(DWORD pid, std::wstring_view title, DWORD timeout_ms) {
  HWND found = nullptr;
  wait_until(
      [&] {
        const auto list = top_windows(pid, title);
        found = list.empty() ? nullptr : list.front();
        return found != nullptr;
      },
      timeout_ms);
  return found;
}

const ControlDesc& control_desc(const WindowDesc& desc, std::wstring_view name) {
  for (const ControlDesc& c : desc.controls)
    if (c.name == name) return c;
  throw std::logic_error("no such control in the description");
}

HWND control_of(HWND window, const WindowDesc& desc, std::wstring_view name) {
  int id = 0;
  for (std::size_t i = 0; i < desc.controls.size(); ++i)
    if (desc.controls[i].name == name) id = static_cast<int>(i) + 1;
  ChildQuery q{id, nullptr};
  EnumChildWindows(window, find_child, reinterpret_cast<LPARAM>(&q));
  return q.found;
}

RECT window_rect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT client_rect_on_screen(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

static GUITHREADINFO thread_info(HWND window) {
  GUITHREADINFO info{.cbSize = sizeof info};
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

HWND focus_of(HWND window) { return thread_info(window).hwndFocus; }
bool in_move_loop(HWND window) { return (thread_info(window).flags & GUI_INMOVESIZE) != 0; }

// Parts of the title bar are rectangles: one row across the band gives the part's width, one
// column down through it its height.
std::optional<RECT> title_bar_part(HWND window, LRESULT part) {
  const RECT outer = window_rect(window), client = client_rect_on_screen(window);
  const auto is_part = [&](int x, int y) {
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == part;
  };
  const int row = (outer.top + client.top) / 2;
  RECT r{outer.right, outer.bottom, outer.left, outer.top};  // empty until a hit
  for (int x = outer.left; x < outer.right; ++x) {
    if (!is_part(x, row)) continue;
    r.left = std::min(r.left, LONG{x});
    r.right = x + 1;
  }
  if (r.left >= r.right) return {};
  const int column = (r.left + r.right) / 2;
  for (int y = outer.top; y < client.top; ++y) {
    if (!is_part(column, y)) continue;
    r.top = std::min(r.top, LONG{y});
    r.bottom = y + 1;
  }
  return r;
}

std::optional<POINT> close_button_centre(HWND window) {
  const auto button = title_bar_part(window, HTCLOSE);
  if (!button) return {};
  return POINT{(button->left + button->right) / 2, (button->top + button->bottom) / 2};
}

}  // namespace xpx::test
