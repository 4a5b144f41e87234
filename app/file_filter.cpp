#include "app/file_filter.h"

#include <cwctype>

namespace xpx {

std::vector<FileType> parse_file_filter(std::wstring_view filter) {
  std::wstring text(filter);
  while (!text.empty() && std::iswspace(text.back())) text.pop_back();
  if (text.empty()) return {};
  if (!text.ends_with(L"||")) text += L"||";
  std::vector<std::wstring> elements;
  std::size_t start = 0;
  for (std::size_t bar; (bar = text.find(L'|', start)) != std::wstring::npos; start = bar + 1)
    elements.push_back(text.substr(start, bar - start));
  std::vector<FileType> types;
  for (std::size_t i = 0; i < elements.size() && !elements[i].empty(); i += 2)
    types.push_back({elements[i], i + 1 < elements.size() ? elements[i + 1] : std::wstring{}});
  return types;
}

std::wstring to_dialog_filter(const std::vector<FileType>& types) {
  std::wstring out;
  for (const FileType& t : types) {
    out += t.description;
    out += L'\0';
    // The platform's dialog needs a pattern; with none given it lists every file.
    out += t.pattern.empty() ? L"*.*" : t.pattern;
    out += L'\0';
  }
  out += L'\0';
  return out;
}

}  // namespace xpx
