// The filter text of the dialog component, turned into the open-file dialog's file types.
#include "app/file_filter.h"

#include <gtest/gtest.h>

namespace xpx {
namespace {

struct FilterCase {
  const char* what;  // names the case
  std::wstring_view text;
  std::vector<FileType> types;
};

class FileFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilter, Parses) {
  const FilterCase& c = GetParam();
  const auto types = parse_file_filter(c.text);
  ASSERT_EQ(types.size(), c.types.size());
  for (std::size_t i = 0; i < types.size(); ++i) {
    EXPECT_EQ(types[i].description, c.types[i].description) << "entry " << i;
    EXPECT_EQ(types[i].pattern, c.types[i].pattern) << "entry " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileFilter,
    ::testing::Values(
        FilterCase{"OursIsOneEntryWithoutPattern", L"PNG", {{L"PNG", L""}}},
        FilterCase{"Empty", L"", {}}, FilterCase{"OnlyWhiteSpace", L" \t\r\n", {}},
        FilterCase{"TrailingWhiteSpaceDropped", L"PNG|*.png  \t", {{L"PNG", L"*.png"}}},
        FilterCase{"LeadingWhiteSpaceKept", L" PNG|*.png", {{L" PNG", L"*.png"}}},
        FilterCase{
            "Pairs", L"图片|*.png;*.jpg|全部|*.*", {{L"图片", L"*.png;*.jpg"}, {L"全部", L"*.*"}}},
        FilterCase{"EndingInTwoBarsGetsNoMore", L"PNG|*.png||", {{L"PNG", L"*.png"}}},
        FilterCase{"EmptyDescriptionEndsTheList", L"A|*.a||B|*.b", {{L"A", L"*.a"}}},
        FilterCase{"EmptyPatternKept", L"A||", {{L"A", L""}}},
        FilterCase{"OddLastElementHasNoPattern", L"A|*.a|B", {{L"A", L"*.a"}, {L"B", L""}}},
        FilterCase{"LeadingBarIsAnEmptyDescription", L"|*.a|B|*.b", {}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(FileFilterList, IsDoubleNulTerminatedWithAllFilesForAnEmptyPattern) {
  using namespace std::string_literals;
  EXPECT_EQ(to_dialog_filter({{L"PNG", L""}}), L"PNG\0*.*\0\0"s);
  EXPECT_EQ(to_dialog_filter({{L"A", L"*.a"}, {L"B", L"*.b"}}), L"A\0*.a\0B\0*.b\0\0"s);
  EXPECT_EQ(to_dialog_filter({}), L"\0"s);
}

}  // namespace
}  // namespace xpx
