#include "picture/gif_animation.h"

#include "picture/decode.h"

namespace picture {

// Placeholder until the GIF decoder lands: no GIF is a picture yet.
struct GifAnimation::State {
  Image canvas;
};

Result<GifAnimation> GifAnimation::open(Bytes) { return Error::unsupported; }
GifAnimation::GifAnimation(std::unique_ptr<State> s) : state_(std::move(s)) {}
GifAnimation::GifAnimation(GifAnimation&&) noexcept = default;
GifAnimation& GifAnimation::operator=(GifAnimation&&) noexcept = default;
GifAnimation::~GifAnimation() = default;
const Image& GifAnimation::canvas() const { return state_->canvas; }
int GifAnimation::delay_ms() const { return 50; }
int GifAnimation::frame_count_so_far() const { return 1; }
bool GifAnimation::is_animated() const { return false; }
std::optional<Error> GifAnimation::advance() { return Error::unsupported; }

Result<Image> decode_gif(Bytes) { return Error::unsupported; }

}  // namespace picture
