// What the main window's buttons and its created event do.
#pragma once

namespace xpx {

class Form;

void greet(Form&);               // created: the greeting box
void pick_file(Form&);           // 选择文件: a picked file into the preview box
void compose_result(Form&);      // 确定: counts and picture into the result panel
void show_still_to_come(Form&);  // 其他功能
void check_for_updates(Form&);   // 检查更新: nothing yet

}  // namespace xpx
