// Feeds the raw input to one still-picture decoder, named by XPX_FUZZ_DECODER at build time,
// so that coverage stays on that format's code.
#include <cstddef>
#include <cstdint>

#include "fuzz/image_promises.h"
#include "picture/decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::check_result(picture::XPX_FUZZ_DECODER(picture::Bytes(data, size)));
  return 0;
}
