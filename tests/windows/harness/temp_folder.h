// A folder of one test's own under the temp path, removed with its files when the test ends.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace xpx::test {

class TempFolder {
 public:
  TempFolder();  // empty path if it could not be made
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::wstring& path() const { return path_; }  // ends without a separator
  std::wstring path_of(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }
  // Creates or replaces the file; its full path, or an empty string if it could not be written.
  std::wstring write(std::wstring_view name, std::span<const std::uint8_t> bytes) const;

 private:
  std::wstring path_;
};

}  // namespace xpx::test
