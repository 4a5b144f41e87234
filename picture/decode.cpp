#include "picture/decode.h"

#include "picture/recognise.h"

namespace picture {

Result<Image> decode(Bytes bytes) {
  const auto format = recognise(bytes);
  if (!format) return Error::unsupported;
  switch (*format) {
    case Format::bmp: return decode_bmp(bytes);
    case Format::jpeg: return decode_jpeg(bytes);
    case Format::png: return decode_png(bytes);
    case Format::ico:
    case Format::cur: return decode_ico(bytes);
    case Format::gif: return decode_gif(bytes);
    case Format::pcx: return decode_pcx(bytes);
  }
  return Error::unsupported;
}

}  // namespace picture
