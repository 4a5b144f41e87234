// Turns a dialog component's filter text ("description|pattern|...") into the list of file
// types of the open-file dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xpx {

struct FileType {
  std::wstring description;
  std::wstring pattern;
  friend bool operator==(const FileType&, const FileType&) = default;
};

// Trailing white space is dropped, "||" is appended unless the text already ends in it, every
// "|" separates two elements, and an empty description ends the list.
std::vector<FileType> parse_file_filter(std::wstring_view filter);

// The double-NUL-terminated list GetOpenFileNameW takes. An empty pattern lists all files.
std::wstring to_dialog_filter(const std::vector<FileType>& types);

}  // namespace xpx
