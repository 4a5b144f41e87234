// Reads resources out of an executable file without running it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace xpx::test {

// An executable mapped as data: its resources can be read, its code never runs.
class ResourceModule {
 public:
  explicit ResourceModule(const std::filesystem::path& file);
  ~ResourceModule();
  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;

  bool loaded() const { return module_ != nullptr; }
  // The bytes of one resource, or nothing when the module has no such resource.
  std::optional<std::span<const std::byte>> find(LPCWSTR name, LPCWSTR type) const;

 private:
  HMODULE module_;
};

std::vector<std::byte> read_file(const std::filesystem::path& file);
std::wstring widen_utf8(const char* text);

}  // namespace xpx::test
