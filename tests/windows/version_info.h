// Reads an executable file's version resource.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace xpx::test {

// The file's whole version resource as GetFileVersionInfoW returns it (empty if none).
std::vector<std::byte> read_version_info(const std::filesystem::path& file);

const VS_FIXEDFILEINFO* fixed_version(const std::vector<std::byte>& info);
std::optional<std::wstring> version_string(const std::vector<std::byte>& info,
                                           const std::wstring& block, const std::wstring& name);
std::vector<DWORD> version_translations(const std::vector<std::byte>& info);

// The names under \StringFileInfo\<block>, read from the raw VS_VERSIONINFO tree, so that a
// stray extra value shows up too.
std::vector<std::wstring> version_string_names(const std::vector<std::byte>& info,
                                               const std::wstring& block);
// The block names under \StringFileInfo.
std::vector<std::wstring> version_string_blocks(const std::vector<std::byte>& info);

}  // namespace xpx::test
