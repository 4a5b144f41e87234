#include "app/file_dialog.h"

#include <commdlg.h>

#include "app/file_filter.h"

namespace xpx {

bool run_open_dialog(const ControlDesc& dialog, HWND owner, std::wstring& file_name) {
  const auto types = parse_file_filter(dialog.filter);
  const std::wstring filter = to_dialog_filter(types);
  const std::wstring title(dialog.text), default_ext(dialog.default_ext);
  wchar_t path[MAX_PATH] = {};  // 259 characters and the terminator
  file_name.copy(path, MAX_PATH - 1);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = types.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = types.empty() ? 0 : 1;  // the first entry
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = default_ext.empty() ? nullptr : default_ext.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return false;
  file_name = path;
  return true;
}

}  // namespace xpx
