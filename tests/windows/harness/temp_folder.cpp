#include "tests/windows/harness/temp_folder.h"

#include <windows.h>

#include "app/unique_handle.h"

namespace xpx::test {

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
  if (n == 0 || n > MAX_PATH) return;
  // Unique across processes and within one: the process id and a counter.
  static int made = 0;
  const std::wstring base =
      std::wstring(temp, n) + L"xpx-test-" + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (int tries = 0; tries < 100; ++tries) {
    std::wstring candidate = base + std::to_wstring(++made);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = std::move(candidate);
      return;
    }
  }
}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring_view name(found.cFileName);
      if (name != L"." && name != L"..") DeleteFileW(path_of(name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

std::wstring TempFolder::write(std::wstring_view name, std::span<const std::uint8_t> bytes) const {
  if (path_.empty()) return {};
  std::wstring full = path_of(name);
  UniqueFile file(CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file ||
      !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    return {};
  return full;
}

}  // namespace xpx::test
