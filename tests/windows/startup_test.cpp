// Start-up and shutdown of the whole program.
#include <gtest/gtest.h>

#include "tests/windows/harness/running_app.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"

namespace xpx::test {
namespace {

TEST(StartUp, GreetingComesAloneThenTheMainWindowIsShownActive) {
  RunningApp app;
  ASSERT_NE(app.greeting(), nullptr) << "no greeting appeared";
  EXPECT_TRUE(is_plain_message_box(app.greeting(), L"感谢使用阿岚的软件"));
  EXPECT_TRUE(top_windows(app.process().pid(), main_title).empty())
      << "the main window is visible while the greeting is up";

  ASSERT_TRUE(app.dismiss_greeting());
  EXPECT_EQ(GetForegroundWindow(), app.main());
  HWND first = app.control(L"编辑框2");
  EXPECT_EQ(focus_of(app.main()), first);
  const auto selection = static_cast<DWORD>(SendMessageW(first, EM_GETSEL, 0, 0));
  EXPECT_EQ(selection, 0u) << "caret before the text, nothing selected";
}

TEST(StartUp, ClosingTheMainWindowEndsTheProcessWithCodeZero) {
  RunningApp app;
  ASSERT_TRUE(app.start());
  EXPECT_EQ(app.close(), std::optional<DWORD>(0));
}

TEST(StartUp, ArgumentsAreIgnored) {
  RunningApp app(L"--help /? 任意 \"a b\"");
  ASSERT_TRUE(app.start());
  EXPECT_EQ(text_of(app.control(L"编辑框2")), L"10");
  EXPECT_EQ(app.close(), std::optional<DWORD>(0));
}

TEST(StartUp, TwoCopiesRunIndependently) {
  RunningApp first, second;
  ASSERT_TRUE(first.start());
  ASSERT_TRUE(second.start());
  EXPECT_NE(first.main(), second.main());
  EXPECT_EQ(first.close(), std::optional<DWORD>(0));
  EXPECT_TRUE(IsWindow(second.main())) << "closing one copy must not end the other";
  EXPECT_EQ(second.close(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace xpx::test
