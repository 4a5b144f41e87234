#include "app/controls/child_window.h"

#include <string>

namespace xpx {

HWND create_child_window(const wchar_t* window_class, DWORD ex_style, DWORD style,
                         const ControlDesc& desc, HWND parent, int id) {
  const std::wstring text(desc.text);
  return CreateWindowExW(ex_style, window_class, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style,
                         desc.left, desc.top, desc.width, desc.height, parent,
                         reinterpret_cast<HMENU>(INT_PTR{id}), GetModuleHandleW(nullptr),
                         const_cast<ControlDesc*>(&desc));
}

void register_control_class(const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc{.cbSize = sizeof wc, .lpfnWndProc = proc, .hInstance = GetModuleHandleW(nullptr),
                 .hCursor = LoadCursorW(nullptr, IDC_ARROW), .lpszClassName = name};
  RegisterClassExW(&wc);  // fails harmlessly once the class exists
}

}  // namespace xpx
