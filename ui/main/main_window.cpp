#include "ui/main/main_window.h"

#include <array>

#include "app/resource_ids.h"
#include "ui/about/about_window.h"
#include "ui/main/commands.h"

namespace xpx {
namespace {

constexpr std::uint32_t white = 0xFFFFFF;

// Count boxes: black on white with a sunken edge, each starting at "10".
constexpr ControlDesc count_box(std::wstring_view name, int top) {
  return {.name = name, .kind = Kind::EditBox, .parent = L"分组框1", .left = 56, .top = top,
          .width = 96, .height = 24, .tab_stop = true, .text = L"10", .back_colour = white,
          .client_edge = true};
}

constexpr ControlDesc label(std::wstring_view name, int left, int top, int width, int height,
                            std::wstring_view text) {
  return {.name = name, .kind = Kind::Label, .parent = L"分组框1", .left = left, .top = top,
          .width = width, .height = height, .text = text};
}

// White counts over the currency strip's empty value fields.
constexpr ControlDesc count_label(std::wstring_view name, int left, int width) {
  return {.name = name, .kind = Kind::TransLabel, .parent = L"图片框2", .left = left, .top = 8,
          .width = width, .height = 27, .text = L"10", .text_colour = white};
}

// Listed in creation and stacking order: among controls of one parent, earlier lies above.
constexpr std::array controls{
    ControlDesc{.name = L"图片框2", .kind = Kind::PicBox, .left = 40, .top = 8, .width = 720,
                .height = 400, .border_style = 4, .play_animation = true,
                .picture_resource = IDR_LOBBY_JPEG},
    ControlDesc{.name = L"按钮5", .kind = Kind::Button, .left = 504, .top = 440, .width = 88,
                .height = 40, .tab_stop = true, .text = L"检查更新", .on_click = check_for_updates},
    ControlDesc{.name = L"通用对话框1", .kind = Kind::CommonDlg, .left = 736, .top = 568,
                .width = 32, .height = 32, .text = L"打开一个PNG图片", .filter = L"PNG",
                .default_ext = L"PNG"},
    count_box(L"编辑框5", 112),
    label(L"标签7", 8, 112, 48, 24, L"点券数："),
    count_label(L"透明标签4", 360, 48),
    count_label(L"透明标签6", 496, 40),
    count_label(L"透明标签5", 427, 48),
    ControlDesc{.name = L"按钮4", .kind = Kind::Button, .left = 616, .top = 504, .width = 96,
                .height = 48, .tab_stop = true, .text = L"其他功能", .on_click = show_still_to_come},
    ControlDesc{.name = L"透明标签1", .kind = Kind::TransLabel, .parent = L"图片框2", .left = 267,
                .top = 19, .width = 80, .height = 16},
    ControlDesc{.name = L"按钮3", .kind = Kind::Button, .parent = L"分组框1", .left = 344,
                .top = 40, .width = 80, .height = 56, .tab_stop = true, .text = L"确定",
                .default_button = true, .on_click = compose_result},
    ControlDesc{.name = L"标签6", .kind = Kind::Label, .left = 0, .top = 88, .width = 40,
                .height = 80, .text = L"成品", .font = {.height = 14, .weight = 400},
                .align = Align::centre},
    ControlDesc{.name = L"按钮2", .kind = Kind::Button, .parent = L"分组框1", .left = 248,
                .top = 112, .width = 80, .height = 24, .tab_stop = true, .text = L"选择文件",
                .on_click = pick_file},
    label(L"标签5", 144, 56, 96, 32, L"使用自己的界面"),
    ControlDesc{.name = L"图片框1", .kind = Kind::PicBox, .parent = L"分组框1", .left = 240,
                .top = 32, .width = 96, .height = 72, .border_style = 4},
    ControlDesc{.name = L"按钮1", .kind = Kind::Button, .left = 616, .top = 440, .width = 96,
                .height = 40, .tab_stop = true, .text = L"关于", .on_click = open_about},
    count_box(L"编辑框3", 80),
    label(L"标签3", 8, 80, 40, 24, L"金币数："),
    count_box(L"编辑框2", 48),
    label(L"标签2", 8, 48, 40, 24, L"钻石数："),
    ControlDesc{.name = L"分组框1", .kind = Kind::GroupBox, .left = -8, .top = 432, .width = 432,
                .height = 176, .text = L"设置区", .align = Align::centre},
    ControlDesc{.name = L"图片框3", .kind = Kind::PicBox, .parent = L"图片框2", .left = 331,
                .top = -5, .width = 232, .height = 40, .play_animation = true,
                .picture_resource = IDR_STRIP_JPEG},
};

}  // namespace

const WindowDesc main_window{
    .title = L"星屏秀BETA",
    .width = 775,
    .height = 633,
    .free_move = true,
    .controls = controls,
    .on_created = greet,
};

}  // namespace xpx
