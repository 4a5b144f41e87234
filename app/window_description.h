// The data a window is built from: one table row per control, everything else defaulted.
// The loader reads these tables, and so do the tests, to know what to expect.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace xpx {

class Form;

enum class Kind { EditBox, PicBox, GroupBox, Label, Button, CommonDlg, TransLabel };
enum class Align { left, centre, right };

// Colours as 0xRRGGBB; this value stands for the system's 3-D face colour.
inline constexpr std::uint32_t system_default_colour = 0xFF000000;

// No height means the platform's default GUI font.
struct FontDesc {
  int height = 0;  // character height in pixels
  int weight = 400;
  std::wstring_view family;
  constexpr bool is_default() const { return height == 0; }
};

using Handler = void (*)(Form&);

struct ControlDesc {
  std::wstring_view name;
  Kind kind = Kind::Label;
  std::wstring_view parent;  // a container control's name; empty for the window itself
  int left = 0, top = 0, width = 0, height = 0;
  bool tab_stop = false;
  std::wstring_view text;  // caption of a label, group box or button; an edit box's text
  std::uint32_t text_colour = 0x000000;
  std::uint32_t back_colour = system_default_colour;
  FontDesc font;
  Align align = Align::left;
  bool client_edge = false;  // edit box border: sunken 3-D edge
  bool read_only = false;
  bool default_button = false;
  int border_style = 0;  // picture box: 0 none, 4 dialog frame with a sunken edge inside
  bool play_animation = false;
  int picture_resource = 0;  // picture box: id of a built-in picture, 0 for none
  Handler on_click = nullptr;
  // The file-open dialog component.
  std::wstring_view filter;
  std::wstring_view default_ext;
};

struct WindowDesc {
  std::wstring_view title;
  int width = 0, height = 0;  // outer size, frame and title bar included
  bool minimise_box = true;
  bool maximise_box = false;
  bool free_move = false;     // pressing the background moves the window
  bool close_on_esc = false;
  std::span<const ControlDesc> controls;
  Handler on_created = nullptr;
};

}  // namespace xpx
