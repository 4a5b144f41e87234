// The whole job as a user does it: type the counts, pick a screenshot of one's own lobby,
// press Enter, and the panel shows that screenshot with the counts in the strip.
#include <gtest/gtest.h>

#include "app/resource_ids.h"
#include "tests/windows/harness/app_process.h"
#include "tests/windows/harness/expected_pictures.h"
#include "tests/windows/harness/input.h"
#include "tests/windows/harness/module_resources.h"
#include "tests/windows/harness/screen.h"
#include "tests/windows/harness/windows_of.h"
#include "tests/windows/main_window_session.h"

namespace xpx::test {
namespace {

using TypicalUse = MainWindowSession;

// Where the pictures for the README go: beside the test program.
std::wstring screenshot_path(const wchar_t* name) {
  std::wstring path = program_path();
  path.resize(path.find_last_of(L"\\/") + 1);
  CreateDirectoryW((path + L"screenshots").c_str(), nullptr);
  return path + L"screenshots\\" + name;
}

std::vector<std::uint8_t> built_in_lobby() {
  const ResourceModule program(program_path());
  const auto bytes = program.find(MAKEINTRESOURCEW(IDR_LOBBY_JPEG), MAKEINTRESOURCEW(10));
  if (!bytes) return {};
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
  return {data, data + bytes->size()};
}

TEST_F(TypicalUse, CountsAndOwnLobbyMakeTheMockUp) {
  ASSERT_TRUE(app.type_into(L"编辑框2", L"8888"));
  ASSERT_TRUE(app.type_into(L"编辑框3", L"520000"));
  ASSERT_TRUE(app.type_into(L"编辑框5", L"1314"));
  // The user's own screenshot: here a copy of the built-in lobby, so the result is known.
  ASSERT_TRUE(pick(folder.write(L"my-lobby.jpg", built_in_lobby())));
  ASSERT_TRUE(make_foreground(app.main()));
  press_key(VK_RETURN);

  const RECT panel = client_rect_on_screen(control(L"图片框2"));
  const picture::Image lobby = expected_box_picture(IDR_LOBBY_JPEG, 710, 390);
  ASSERT_EQ(lobby.width, 710);
  // Below the strip the panel is the picked picture, stretched; in the strip the counts are
  // longer than "10" (wider glyph areas), so they differ from a fresh start.
  const auto shows_mock_up = [&](const ScreenShot& s) {
    for (int y = 40; y < s.height(); y += 7)
      for (int x = 0; x < s.width(); x += 7)
        if (!(s.at(x, y) == at(lobby, x, y))) return false;
    return true;
  };
  const ScreenShot shot = wait_for_screen(panel, shows_mock_up);
  EXPECT_TRUE(shows_mock_up(shot)) << "the panel does not show the picked lobby";
  int white_in_gold_tail = 0;  // "520000" reaches past where "10" ended
  for (int y = 8; y < 35; ++y)
    for (int x = 385; x < 405; ++x) white_in_gold_tail += shot.at(x, y) == Rgb{255, 255, 255};
  EXPECT_GT(white_in_gold_tail, 5) << "the gold count is not the typed one";

  ScreenShot(window_rect(app.main())).save_bmp(screenshot_path(L"mock-up.bmp").c_str());
}

}  // namespace
}  // namespace xpx::test
