#include "tests/windows/harness/expected_pictures.h"

#include "picture/decode.h"
#include "picture/prepare.h"
#include "tests/windows/harness/app_process.h"
#include "tests/windows/harness/module_resources.h"

namespace xpx::test {

picture::Image expected_box_picture(int resource_id, int width, int height) {
  const ResourceModule program(program_path());
  const auto bytes = program.find(MAKEINTRESOURCEW(resource_id), MAKEINTRESOURCEW(10));
  if (!bytes) return {};
  auto image = picture::decode(
      {reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!image) return {};
  const Rgb face = button_face();
  picture::composite_over(*image, {face.r, face.g, face.b});
  return picture::stretch(*image, width, height);
}

}  // namespace xpx::test
