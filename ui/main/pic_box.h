// A picture box: holds the bytes of a picture file exactly as written, shows the decoded
// picture stretched over its client area on its background colour, and plays a GIF when its
// play-animation setting is on. A press on it moves the window (free move).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/window_description.h"

namespace xpx {

HWND create_pic_box(const ControlDesc& desc, HWND parent, int id);

// The bytes last written (or the built-in picture), whether or not they could be shown.
std::vector<std::uint8_t> read_picture(HWND box);

// Keeps a copy of the bytes, drops what the box showed, decodes them and repaints the box and
// whatever lies on it. Empty bytes or bytes that are no picture leave just the background.
void write_picture(HWND box, std::vector<std::uint8_t> bytes);

}  // namespace xpx
