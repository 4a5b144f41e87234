// Fonts of the controls: the platform's default GUI font unless a row names its own.
#pragma once

#include <windows.h>

#include "app/unique_handle.h"
#include "app/window_description.h"

namespace xpx {

// Null for the default font, or when the font cannot be made (the default is used then).
UniqueFont make_font(const FontDesc& desc);

inline HFONT default_gui_font() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

inline COLORREF to_colorref(std::uint32_t rgb) {
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

}  // namespace xpx
