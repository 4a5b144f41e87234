// Checks the resources of the built executables, read from the files as data: version
// information, manifest, icon and the built-in pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/windows/harness/module_resources.h"
#include "resource_ids.h"
#include "version_info.h"

namespace xpx::test {
namespace {

struct Executable {
  const char* label;  // the preset that builds it
  const char* path;   // UTF-8
  const char* manifest_architecture;
};

void PrintTo(const Executable& executable, std::ostream* out) { *out << executable.path; }

const Executable kExecutables[] = {
    {"win64", XPX_WIN64_EXE, "amd64"},
    {"win32", XPX_WIN32_EXE, "x86"},
};

class ExecutableResources : public testing::TestWithParam<Executable> {
 protected:
  void SetUp() override {
    file_ = widen_utf8(GetParam().path);
    if (!std::filesystem::exists(file_)) {
      // The other preset's executable exists only when that preset was built as well.
      if (std::string_view(GetParam().label) != XPX_OWN_PRESET) {
        GTEST_SKIP() << GetParam().path << " is absent; build the " << GetParam().label
                     << " preset to check it";
      }
      FAIL() << GetParam().path << " is absent";
    }
    module_ = std::make_unique<ResourceModule>(file_);
    ASSERT_TRUE(module_->loaded()) << "LoadLibraryExW failed, error " << GetLastError();
  }

  std::filesystem::path file_;
  std::unique_ptr<ResourceModule> module_;
};

TEST_P(ExecutableResources, FixedVersionPartDescribesAWindowsApplication1210) {
  const auto info = read_version_info(file_);
  const VS_FIXEDFILEINFO* fixed = fixed_version(info);
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(2, 1));
  EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileSubtype, 0u);
}

struct VersionString {
  const wchar_t* name;
  std::wstring value;
};

const VersionString kVersionStrings[] = {
    {L"FileVersion", L"1.2.1.0"},
    {L"FileDescription", L"\u4f5c\u8005\u963f\u5c9a"},  // 作者阿岚
    {L"ProductName", L"\u661f\u5c4f\u79c0"},            // 星屏秀
    {L"ProductVersion", L"1.2.1.0"},
    {L"CompanyName", L"\u963f\u5c9a"},  // 阿岚
    {L"Comments", std::wstring(L"QQ;") + APP_QQ_NUMBER},
};

TEST_P(ExecutableResources, StringTableHoldsExactlyTheProductStrings) {
  const auto info = read_version_info(file_);
  EXPECT_EQ(version_string_blocks(info), std::vector<std::wstring>{L"080404B0"});
  std::vector<std::wstring> expected_names;
  for (const auto& [name, value] : kVersionStrings) {
    expected_names.push_back(name);
    EXPECT_EQ(version_string(info, L"080404B0", name), value)
        << "value " << testing::PrintToString(std::wstring(name));
  }
  auto names = version_string_names(info, L"080404B0");
  std::ranges::sort(names);
  std::ranges::sort(expected_names);
  EXPECT_EQ(names, expected_names);
}

TEST_P(ExecutableResources, TranslationIsSimplifiedChineseInUnicode) {
  const auto translations = version_translations(read_version_info(file_));
  EXPECT_EQ(translations, std::vector<DWORD>{MAKELONG(0x0804, 0x04B0)});
}

std::string lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

size_t count(const std::string& text, const std::string& part) {
  size_t found = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++found;
  }
  return found;
}

TEST_P(ExecutableResources, ManifestWantsCommonControls6ForItsOwnArchitectureAndNothingElse) {
  const auto bytes = module_->find(MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_TRUE(bytes.has_value());
  const std::string manifest(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
  // Our own identity and the dependency both name the architecture, and only this one.
  const std::string architecture =
      std::string("processorArchitecture=\"") + GetParam().manifest_architecture + "\"";
  EXPECT_EQ(count(manifest, architecture), 2u) << manifest;
  EXPECT_EQ(count(manifest, "processorArchitecture="), 2u) << manifest;
  EXPECT_EQ(lower(manifest).find("requestedexecutionlevel"), std::string::npos) << manifest;
  EXPECT_EQ(lower(manifest).find("dpiaware"), std::string::npos) << manifest;
}

#pragma pack(push, 2)
// RT_GROUP_ICON header: WORD reserved, WORD type (1 = icon), WORD entry count.
struct IconGroupHeader {
  WORD reserved, type, count;
};
// RT_GROUP_ICON entry: BYTE width, height, colour count, reserved; WORD planes, bit count;
// DWORD image bytes; WORD RT_ICON id.
struct IconGroupEntry {
  BYTE width, height, colour_count, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST_P(ExecutableResources, IconIsOneFullyOpaque32BitImageOf32Pixels) {
  const auto group = module_->find(L"DEFAULT_ICON", RT_GROUP_ICON);
  ASSERT_TRUE(group.has_value());
  ASSERT_GE(group->size(), sizeof(IconGroupHeader) + sizeof(IconGroupEntry));
  const auto* header = reinterpret_cast<const IconGroupHeader*>(group->data());
  ASSERT_EQ(header->count, 1);
  const auto* entry = reinterpret_cast<const IconGroupEntry*>(header + 1);
  EXPECT_EQ(entry->width, 32);
  EXPECT_EQ(entry->height, 32);
  EXPECT_EQ(entry->bit_count, 32);

  const auto image = module_->find(MAKEINTRESOURCEW(entry->id), RT_ICON);
  ASSERT_TRUE(image.has_value());
  constexpr size_t kPixels = 32 * 32, kMaskBytes = 32 * 4;
  ASSERT_EQ(image->size(), sizeof(BITMAPINFOHEADER) + kPixels * 4 + kMaskBytes);
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(image->data());
  EXPECT_EQ(info->biWidth, 32);
  EXPECT_EQ(info->biHeight, 64);  // colour rows and mask rows
  EXPECT_EQ(info->biBitCount, 32);
  EXPECT_EQ(info->biCompression, static_cast<DWORD>(BI_RGB));
  const auto pixels = image->subspan(sizeof(BITMAPINFOHEADER), kPixels * 4);
  size_t see_through = 0;
  for (size_t i = 3; i < pixels.size(); i += 4) see_through += pixels[i] != std::byte{255};
  EXPECT_EQ(see_through, 0u) << "pixels with alpha below 255";
  const auto mask = image->subspan(sizeof(BITMAPINFOHEADER) + kPixels * 4);
  EXPECT_TRUE(std::ranges::all_of(mask, [](std::byte b) { return b == std::byte{0}; }))
      << "AND mask has set bits";
}

struct EmbeddedPicture {
  int id;
  const char* asset;
};

const EmbeddedPicture kPictures[] = {{IDR_LOBBY_JPEG, "lobby.jpg"}, {IDR_STRIP_JPEG, "strip.jpg"}};

TEST_P(ExecutableResources, EmbeddedJpegsAreTheAssetFilesByteForByte) {
  const std::filesystem::path assets = widen_utf8(XPX_ASSET_DIR);
  for (const auto& [id, asset] : kPictures) {
    SCOPED_TRACE(asset);
    const auto expected = read_file(assets / asset);
    ASSERT_FALSE(expected.empty()) << "cannot read " << (assets / asset).string();
    const auto embedded = module_->find(MAKEINTRESOURCEW(id), RT_RCDATA);
    ASSERT_TRUE(embedded.has_value());
    EXPECT_TRUE(std::ranges::equal(*embedded, expected));
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, ExecutableResources, testing::ValuesIn(kExecutables),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace xpx::test
