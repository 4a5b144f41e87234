#include "app/controls/create_control.h"

#include "app/controls/button.h"
#include "app/controls/edit_box.h"
#include "app/controls/group_box.h"
#include "app/controls/label.h"
#include "ui/main/pic_box.h"
#include "ui/main/trans_label.h"

namespace xpx {

HWND create_control(const ControlDesc& desc, HWND parent, int id) {
  switch (desc.kind) {
    case Kind::EditBox: return create_edit_box(desc, parent, id);
    case Kind::Label: return create_label(desc, parent, id);
    case Kind::GroupBox: return create_group_box(desc, parent, id);
    case Kind::Button: return create_button(desc, parent, id);
    case Kind::PicBox: return create_pic_box(desc, parent, id);
    case Kind::TransLabel: return create_trans_label(desc, parent, id);
    case Kind::CommonDlg: return nullptr;  // non-visual
  }
  return nullptr;
}

}  // namespace xpx
