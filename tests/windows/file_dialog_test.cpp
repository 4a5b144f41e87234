// 选择文件 with the platform's open-file dialog, driven as a user would, and the picture it
// puts into the preview box.
#include <gtest/gtest.h>

#include "app/unique_handle.h"
#include "tests/windows/harness/input.h"
#include "tests/windows/harness/open_dialog.h"
#include "tests/windows/harness/wait.h"
#include "tests/windows/harness/windows_of.h"
#include "tests/windows/main_window_session.h"
#include "tests/windows/solid_pictures.h"

namespace xpx::test {
namespace {

using FileDialog = MainWindowSession;

constexpr int look_in_combo_id = 1137;     // cmb2: the folder shown
constexpr int file_types_combo_id = 1136;  // cmb1: the list of file types

const std::vector<std::uint8_t> text_bytes{'n', 'o', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '\n'};

std::wstring combo_item(HWND combo, int index) {
  const auto n = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (n < 0) return {};
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

class PickedPicture : public FileDialog, public ::testing::WithParamInterface<SolidPicture> {};

// Shown in the preview, and after 确定 in the result panel too.
TEST_P(PickedPicture, ShowsInThePreviewThenInThePanel) {
  const SolidPicture& p = GetParam();
  const std::wstring path = folder.write(p.file_name, p.bytes);
  ASSERT_FALSE(path.empty());
  ASSERT_TRUE(pick(path));
  EXPECT_EQ(centre_colour(L"图片框1", p.colour), p.colour);
  click(L"按钮3");
  EXPECT_EQ(centre_colour(L"图片框2", p.colour), p.colour);
}

INSTANTIATE_TEST_SUITE_P(FileDialog, PickedPicture, ::testing::ValuesIn(solid_pictures()),
                         [](const auto& info) { return std::string(info.param.format); });

TEST_F(FileDialog, TextFileClearsThePreviewAndConfirmEmptiesThePanel) {
  const SolidPicture& bmp = solid_picture("BMP");
  ASSERT_TRUE(pick(folder.write(bmp.file_name, bmp.bytes)));
  ASSERT_EQ(centre_colour(L"图片框1", bmp.colour), bmp.colour);
  ASSERT_TRUE(pick(folder.write(L"notes.txt", text_bytes)));
  EXPECT_EQ(centre_colour(L"图片框1", button_face()), button_face());
  click(L"按钮3");
  EXPECT_EQ(panel_picture_pixels(wait_panel_empty()), 0);
}

TEST_F(FileDialog, TitleOwnerAndTheOneFileType) {
  HWND dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  EXPECT_EQ(class_of(dialog), L"#32770");
  EXPECT_EQ(title_of(dialog), open_dialog_title);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), app.main());
  EXPECT_FALSE(IsWindowEnabled(app.main())) << "the main window takes input under its dialog";
  HWND types = GetDlgItem(dialog, file_types_combo_id);
  EXPECT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(combo_item(types, 0), L"PNG");
  EXPECT_EQ(SendMessageW(types, CB_GETCURSEL, 0, 0), 0) << "the first entry is chosen";
  ASSERT_TRUE(cancel_dialog(dialog));
  EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(app.main()) != FALSE; }, 3000));
}

TEST_F(FileDialog, SpaceOnThePickButtonOpensIt) {
  for (int i = 0; i < 3; ++i) press_key(VK_TAB);  // 编辑框2 -> 编辑框3 -> 按钮1 -> 按钮2
  ASSERT_TRUE(wait_until([&] { return focus_of(app.main()) == control(L"按钮2"); }, 3000));
  press_key(VK_SPACE);
  HWND dialog = wait_for_open_dialog(app.process().pid());
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  EXPECT_TRUE(cancel_dialog(dialog));
}

TEST_F(FileDialog, CancelBeforeAnyPickKeepsThePreviewEmpty) {
  HWND dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  EXPECT_EQ(text_of(file_name_edit(dialog)), L"") << "the first starting name is empty";
  ASSERT_TRUE(cancel_dialog(dialog));
  const ScreenShot preview =
      wait_for_screen(client_rect_on_screen(control(L"图片框1")),
                      [](const ScreenShot& s) { return all_pixels_are(s, button_face()); });
  EXPECT_TRUE(all_pixels_are(preview, button_face()))
      << "the centre is "
      << ::testing::PrintToString(preview.at(preview.width() / 2, preview.height() / 2));
}

// A cancel still reads the last chosen file: its new content, or nothing once it is gone.
TEST_F(FileDialog, CancelAfterAPickReadsTheLastFileAgain) {
  const Rgb first{250, 200, 0}, second{0, 120, 120};
  const std::wstring path = folder.write(L"pic.bmp", solid_bmp(first, 3, 2));
  ASSERT_TRUE(pick(path));
  ASSERT_EQ(centre_colour(L"图片框1", first), first);

  ASSERT_FALSE(folder.write(L"pic.bmp", solid_bmp(second, 3, 2)).empty());
  HWND dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  ASSERT_TRUE(cancel_dialog(dialog));
  EXPECT_EQ(centre_colour(L"图片框1", second), second);

  ASSERT_TRUE(DeleteFileW(path.c_str()));
  dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  ASSERT_TRUE(cancel_dialog(dialog));
  EXPECT_EQ(centre_colour(L"图片框1", button_face()), button_face());
}

// The dialog shows the last chosen file's folder and that file's name in its field.
TEST_F(FileDialog, ReopensWithTheLastPickAsItsStartingName) {
  const SolidPicture& gif = solid_picture("GIF");
  const std::wstring path = folder.write(gif.file_name, gif.bytes);
  ASSERT_TRUE(pick(path));
  HWND dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  const std::wstring name = text_of(file_name_edit(dialog));
  if (name != path) {  // the full path, or the name with its folder shown apart
    EXPECT_EQ(name, gif.file_name);
    const std::wstring shown = text_of(GetDlgItem(dialog, look_in_combo_id));
    EXPECT_EQ(shown, folder.path().substr(folder.path().find_last_of(L'\\') + 1));
  }
  // Opened as it stands, it is the same file again.
  ASSERT_TRUE(make_foreground(dialog));
  press_key(VK_RETURN);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(dialog); })) << "the starting name was refused";
  EXPECT_EQ(centre_colour(L"图片框1", gif.colour), gif.colour);
}

// Typed without extension, the name gets the default one, ".PNG". The platform's dialog here
// checks that the typed name exists before it appends the extension and refuses it otherwise
// (Windows appends first); a file of the bare name beside it lets the name through, and the
// picture shows only if ".PNG" was appended. It is named in that case, so that the name
// built is the name on disk even where lookups are case-sensitive.
TEST_F(FileDialog, NameTypedWithoutExtensionGetsPng) {
  const SolidPicture& png = solid_picture("PNG");
  ASSERT_FALSE(folder.write(L"pic", text_bytes).empty());
  ASSERT_FALSE(folder.write(L"pic.PNG", png.bytes).empty());
  HWND dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  ASSERT_TRUE(type_in_dialog(dialog, folder.path_of(L"pic"))) << "the typed name was refused";
  EXPECT_EQ(centre_colour(L"图片框1", png.colour), png.colour);
  dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  const std::wstring name = text_of(file_name_edit(dialog));
  EXPECT_TRUE(name.ends_with(L"pic.PNG")) << ::testing::PrintToString(name);
  EXPECT_TRUE(cancel_dialog(dialog));
}

// Held open for writing by another process (which lets others only read), the file cannot
// be read with the sharing the program asks for: no picture, until the writer lets go.
TEST_F(FileDialog, FileHeldOpenForWritingGivesNoPicture) {
  const SolidPicture& bmp = solid_picture("BMP");
  ASSERT_TRUE(pick(folder.write(bmp.file_name, bmp.bytes)));
  ASSERT_EQ(centre_colour(L"图片框1", bmp.colour), bmp.colour);

  const SolidPicture& png = solid_picture("PNG");
  const std::wstring path = folder.write(png.file_name, png.bytes);
  UniqueFile writer(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer) << "could not hold the file, error " << GetLastError();
  ASSERT_TRUE(pick(path));
  EXPECT_EQ(centre_colour(L"图片框1", button_face()), button_face());

  writer.reset();
  HWND dialog = open_picker();
  ASSERT_NE(dialog, nullptr) << "no open-file dialog came";
  ASSERT_TRUE(cancel_dialog(dialog));
  EXPECT_EQ(centre_colour(L"图片框1", png.colour), png.colour);
}

}  // namespace
}  // namespace xpx::test
