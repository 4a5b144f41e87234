#include "version_info.h"

#include <cstring>
#include <span>
#include <utility>

namespace xpx::test {

std::vector<std::byte> read_version_info(const std::filesystem::path& file) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  std::vector<std::byte> info(size);
  if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, info.data())) info.clear();
  return info;
}

namespace {

std::optional<std::span<const std::byte>> query(const std::vector<std::byte>& info,
                                                const std::wstring& path) {
  if (info.empty()) return std::nullopt;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length)) return std::nullopt;
  return std::span(static_cast<const std::byte*>(value), length);
}

}  // namespace

const VS_FIXEDFILEINFO* fixed_version(const std::vector<std::byte>& info) {
  auto value = query(info, L"\\");
  if (!value || value->size() < sizeof(VS_FIXEDFILEINFO)) return nullptr;
  return reinterpret_cast<const VS_FIXEDFILEINFO*>(value->data());
}

std::optional<std::wstring> version_string(const std::vector<std::byte>& info,
                                           const std::wstring& block, const std::wstring& name) {
  auto value = query(info, L"\\StringFileInfo\\" + block + L"\\" + name);
  if (!value) return std::nullopt;
  // For text, VerQueryValueW counts characters, the terminating zero included or not.
  const auto* text = reinterpret_cast<const wchar_t*>(value->data());
  return std::wstring(text, wcsnlen(text, value->size()));
}

std::vector<DWORD> version_translations(const std::vector<std::byte>& info) {
  auto value = query(info, L"\\VarFileInfo\\Translation");
  std::vector<DWORD> pairs;
  if (!value) return pairs;
  for (size_t at = 0; at + sizeof(DWORD) <= value->size(); at += sizeof(DWORD)) {
    DWORD pair;
    std::memcpy(&pair, value->data() + at, sizeof pair);
    pairs.push_back(pair);
  }
  return pairs;
}

namespace {

// One node of VS_VERSIONINFO: WORD wLength (bytes, children included), WORD wValueLength
// (characters for text, bytes for binary), WORD wType (1 text, 0 binary), WCHAR szKey[] ending
// in zero, padding to 32 bits, the value, padding to 32 bits, then the child nodes.
struct VersionNode {
  size_t length = 0;
  std::wstring key;
  std::vector<VersionNode> children;
};

size_t align4(size_t at) { return (at + 3) & ~size_t{3}; }

WORD word_at(std::span<const std::byte> bytes, size_t at) {
  WORD value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

// Offsets are relative to the node; every node starts 32-bit aligned within the resource.
std::optional<VersionNode> parse_node(std::span<const std::byte> bytes) {
  if (bytes.size() < 6) return std::nullopt;
  VersionNode node;
  node.length = word_at(bytes, 0);
  const WORD value_length = word_at(bytes, 2);
  const WORD type = word_at(bytes, 4);
  if (node.length < 6 || node.length > bytes.size()) return std::nullopt;
  size_t at = 6;
  for (; at + 2 <= node.length && word_at(bytes, at) != 0; at += 2) {
    node.key.push_back(static_cast<wchar_t>(word_at(bytes, at)));
  }
  at = align4(at + 2);
  at = align4(at + (type == 1 ? value_length * size_t{2} : value_length));
  while (at + 6 <= node.length) {
    auto child = parse_node(bytes.subspan(at, node.length - at));
    if (!child) return std::nullopt;
    at = align4(at + child->length);
    node.children.push_back(std::move(*child));
  }
  return node;
}

const VersionNode* child_named(const VersionNode& node, const std::wstring& key) {
  for (const auto& child : node.children) {
    if (child.key == key) return &child;
  }
  return nullptr;
}

std::vector<std::wstring> child_keys(const VersionNode* node) {
  std::vector<std::wstring> keys;
  if (node == nullptr) return keys;
  for (const auto& child : node->children) keys.push_back(child.key);
  return keys;
}

const VersionNode* string_file_info(const std::optional<VersionNode>& root) {
  return root ? child_named(*root, L"StringFileInfo") : nullptr;
}

}  // namespace

std::vector<std::wstring> version_string_names(const std::vector<std::byte>& info,
                                               const std::wstring& block) {
  auto root = parse_node(info);
  const VersionNode* strings = string_file_info(root);
  return child_keys(strings != nullptr ? child_named(*strings, block) : nullptr);
}

std::vector<std::wstring> version_string_blocks(const std::vector<std::byte>& info) {
  auto root = parse_node(info);
  return child_keys(string_file_info(root));
}

}  // namespace xpx::test
