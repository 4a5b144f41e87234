#include "picture/byte_reader.h"
#include "picture/decode.h"
#include "picture/dib.h"

namespace picture {

// BITMAPFILEHEADER (14 bytes): "BM", u32 file size, u16 reserved, u16 reserved,
// u32 offset of the pixel rows from the start of the file; the DIB header follows.
// The file size field is often wrong and plays no part.
Result<Image> decode_bmp(Bytes bytes) {
  constexpr std::size_t file_header_size = 14;
  ByteReader r(bytes);
  const bool signature = r.u8() == 'B' && r.u8() == 'M';
  r.skip(8);
  const std::uint32_t pixels_pos = r.u32le();
  if (r.failed()) return Error::truncated;
  if (!signature) return Error::bad_header;
  if (pixels_pos < file_header_size + 12) return Error::bad_header;  // inside the headers
  return decode_dib({bytes, file_header_size, pixels_pos, false});
}

}  // namespace picture
