#include "picture/recognise.h"

namespace picture {

std::string_view to_string(Format f) {
  switch (f) {
    case Format::bmp: return "bmp";
    case Format::jpeg: return "jpeg";
    case Format::png: return "png";
    case Format::ico: return "ico";
    case Format::cur: return "cur";
    case Format::gif: return "gif";
    case Format::pcx: return "pcx";
  }
  return "unknown";
}

// The tests run in this order and the first match wins; the extension plays no part.
std::optional<Format> recognise(Bytes b) {
  if (b.size() < 8) return std::nullopt;
  const bool icon_count = b[4] != 0 || b[5] != 0;
  if (b[0] == 'B' && b[1] == 'M') return Format::bmp;
  if (b[0] == 0xFF && b[1] == 0xD8) return Format::jpeg;
  if (b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G') return Format::png;
  if (b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0 && icon_count) return Format::ico;
  if (b[0] == 0 && b[1] == 0 && b[2] == 2 && b[3] == 0 && icon_count) return Format::cur;
  if (b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8' && (b[4] == '7' || b[4] == '9') &&
      b[5] == 'a')
    return Format::gif;
  if (b[0] == 0x0A && b[1] <= 5 && b[2] == 0x01 && b[3] == 0x08) return Format::pcx;
  if (b[0] == 0x0A && b[1] == 0x03 && b[2] == 0x01 && b[3] == 0x01) return Format::pcx;
  return std::nullopt;
}

}  // namespace picture
