#include "tests/windows/harness/module_resources.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace xpx::test {

ResourceModule::ResourceModule(const std::filesystem::path& file)
    : module_(LoadLibraryExW(file.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ResourceModule::~ResourceModule() {
  if (module_ != nullptr) FreeLibrary(module_);
}

std::optional<std::span<const std::byte>> ResourceModule::find(LPCWSTR name, LPCWSTR type) const {
  HRSRC found = FindResourceW(module_, name, type);
  if (found == nullptr) return std::nullopt;
  HGLOBAL handle = LoadResource(module_, found);  // owned by the module, never freed
  const void* data = handle != nullptr ? LockResource(handle) : nullptr;
  if (data == nullptr) return std::nullopt;
  return std::span(static_cast<const std::byte*>(data), SizeofResource(module_, found));
}

std::vector<std::byte> read_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::byte> result(bytes.size());
  if (!bytes.empty()) std::memcpy(result.data(), bytes.data(), bytes.size());
  return result;
}

std::wstring widen_utf8(const char* text) {
  int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  if (length > 1) MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide.data(), length);
  return wide;
}

}  // namespace xpx::test
