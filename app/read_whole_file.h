// The complete contents of a file, opened for reading while others may read but not write it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xpx {

// Files larger than this give empty bytes, like files that cannot be read: well above any
// picture the decoders accept, well below what a 32-bit process can hold.
inline constexpr std::uint64_t max_file_bytes = 512ull << 20;

// Empty for an empty name, a file that cannot be opened, an empty or too large file, or a
// read error; a short read gives the bytes delivered.
std::vector<std::uint8_t> read_whole_file(const std::wstring& name);

}  // namespace xpx
