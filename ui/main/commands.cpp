#include "ui/main/commands.h"

#include "app/file_dialog.h"
#include "app/form.h"
#include "app/message_box.h"
#include "app/read_whole_file.h"
#include "ui/main/pic_box.h"
#include "ui/main/trans_label.h"

namespace xpx {

void greet(Form&) { show_message(L"感谢使用阿岚的软件"); }

// After a cancel the dialog keeps its last name, which is read again: the same picture, or
// none once that file is gone.
void pick_file(Form& form) {
  std::wstring* file_name = form.file_name_of(L"通用对话框1");
  const ControlDesc* dialog = form.control_desc(L"通用对话框1");
  if (!file_name || !dialog) return;
  run_open_dialog(*dialog, form.hwnd(), *file_name);  // its result is not needed: see above
  write_picture(form.control(L"图片框1"), read_whole_file(*file_name));
}

void compose_result(Form& form) {
  write_label_text(form.control(L"透明标签5"), form.text_of(L"编辑框2"));
  write_label_text(form.control(L"透明标签4"), form.text_of(L"编辑框3"));
  write_label_text(form.control(L"透明标签6"), form.text_of(L"编辑框5"));
  write_picture(form.control(L"图片框2"), read_picture(form.control(L"图片框1")));
}

void show_still_to_come(Form&) { show_message(L"敬请期待"); }

void check_for_updates(Form&) {}

}  // namespace xpx
