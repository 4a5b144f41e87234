#include "ui/about/about_window.h"

#include <array>

#include "app/form.h"
#include "app/resource_ids.h"
#include "app/shell.h"

namespace xpx {
namespace {

constexpr std::array controls{
    ControlDesc{.name = L"编辑框1", .kind = Kind::EditBox, .left = 16, .top = 24, .width = 336,
                .height = 88, .tab_stop = true,
                .text = L"作者阿岚，QQ" APP_QQ_NUMBER L"，软件更新请看QQ空间",
                .back_colour = 0xFFFFFF, .read_only = true},
};

}  // namespace

const WindowDesc about_window{
    .title = L"关于",
    .width = 384,
    .height = 250,
    .close_on_esc = true,
    .controls = controls,
};

void open_about(Form& form) { form.shell().load_window(about_window, nullptr, true); }

}  // namespace xpx
