// The benchmark's files decoded by the codec libraries alone, the way a program without our
// engine would: the yardstick our decoders are measured against. The files are known good;
// a library error ends the program.
#pragma once

#include <cstdint>
#include <vector>

#include "picture/picture.h"

namespace bench {

std::vector<std::uint8_t> bare_jpeg_to_rgb(picture::Bytes file);  // libjpeg, default settings
// The same to four bytes a pixel, the layout of our pictures: what is left is our own cost.
std::vector<std::uint8_t> bare_jpeg_to_rgba(picture::Bytes file);
std::vector<std::uint8_t> bare_png_to_rgba(picture::Bytes file);  // png_image_finish_read

// giflib's DGifSlurp, then every frame composed onto one screen canvas with its transparency
// and disposal, as our player does; gives the last composed frame.
picture::Image bare_gif_last_frame(picture::Bytes file);

}  // namespace bench
