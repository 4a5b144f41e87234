// Reading a picture file whole: what gives its bytes and what gives none.
#include "app/read_whole_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/unique_handle.h"
#include "tests/windows/harness/temp_folder.h"

namespace xpx {
namespace {

using test::TempFolder;

const std::vector<std::uint8_t> content{'B', 'M', 0, 1, 2, 0xFF};

class ReadWholeFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder.path().empty()) << "no temp folder"; }
  UniqueFile hold(const std::wstring& path, DWORD access, DWORD share) const {
    return UniqueFile(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  TempFolder folder;
};

TEST_F(ReadWholeFile, GivesEveryByte) {
  EXPECT_EQ(read_whole_file(folder.write(L"a.bin", content)), content);
}

TEST_F(ReadWholeFile, NothingToReadGivesNoBytes) {
  EXPECT_TRUE(read_whole_file(L"").empty()) << "an empty name";
  EXPECT_TRUE(read_whole_file(folder.path_of(L"missing.png")).empty());
  EXPECT_TRUE(read_whole_file(folder.path()).empty()) << "a folder";
  EXPECT_TRUE(read_whole_file(folder.write(L"empty.png", {})).empty());
}

// Others may read the file meanwhile, but not write it.
TEST_F(ReadWholeFile, SharesOnlyReading) {
  const std::wstring path = folder.write(L"a.bin", content);
  {
    const UniqueFile reader = hold(path, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader);
    EXPECT_EQ(read_whole_file(path), content) << "held by a reader";
  }
  const UniqueFile writer = hold(path, GENERIC_WRITE, FILE_SHARE_READ);
  ASSERT_TRUE(writer);
  EXPECT_TRUE(read_whole_file(path).empty()) << "held by a writer";
}

TEST_F(ReadWholeFile, LargerThanTheCapGivesNoBytes) {
  const std::wstring path = folder.write(L"big.bin", content);
  {
    const UniqueFile file = hold(path, GENERIC_WRITE, 0);
    ASSERT_TRUE(file);
    LARGE_INTEGER end{.QuadPart = static_cast<LONGLONG>(max_file_bytes) + 1};
    // Mostly a hole on file systems that allow it, so this costs no disk.
    if (!SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get()))
      GTEST_SKIP() << "cannot make a file of " << end.QuadPart << " bytes here";
  }
  EXPECT_TRUE(read_whole_file(path).empty());
}

}  // namespace
}  // namespace xpx
