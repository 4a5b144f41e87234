#include "picture/gif_animation.h"

#include <algorithm>

#include "picture/decode.h"
#include "picture/gif_frame.h"
#include "picture/limits.h"

namespace picture {
namespace {

constexpr int zero_delay_ms = 50;

// Counts image descriptors without decoding any pixels, to tell stills from animations.
int count_frames(Bytes bytes, const GifScreen& screen) {
  ByteReader reader(bytes, screen.first_block);
  int count = 0;
  for (;;) {
    auto frame = read_next_gif_frame(reader, screen);
    if (!frame || !*frame) return count;
    ++count;
    if (!skip_gif_sub_blocks(reader)) return count;
  }
}

}  // namespace

struct GifAnimation::State {
  Bytes bytes;
  GifScreen screen;
  int frame_count = 0;
  ByteReader reader;
  Image canvas;
  std::optional<Error> error;
  int delay_ms = zero_delay_ms;
  int frames_shown = 0;
  bool wrapped = false;
  // What the shown frame asks to be done with it before the next one is drawn.
  GifDisposal disposal = GifDisposal::keep;
  GifClip clip;
  std::vector<Rgba> saved;  // the canvas before the shown frame, for restore_previous
  GifFrameBuffers buffers;

  State(Bytes b, GifScreen s, Image c)
      : bytes(b), screen(s), reader(b, s.first_block), canvas(std::move(c)) {}

  void dispose_shown_frame();
  std::optional<Error> show_next_frame();
  void restart();
};

void GifAnimation::State::dispose_shown_frame() {
  if (disposal == GifDisposal::restore_transparent) {
    // Browsers restore to transparent, not to the background colour the format names; the
    // picture box shows its own background through it.
    for (int y = clip.y0; y < clip.y1; ++y)
      std::fill_n(&canvas.at(clip.x0, y), clip.width(), Rgba{});
  } else if (disposal == GifDisposal::restore_previous) {
    canvas.pixels = saved;
  }
  disposal = GifDisposal::keep;
}

// Reads, decodes and draws the next frame. On an error nothing is drawn, with one leniency:
// the first frame of a file cut short shows what arrived (browsers show partial downloads
// the same way) as long as any pixel did; later frames cut short end the animation instead,
// since a half-drawn frame flashing by each loop is worse than stopping on a whole one.
std::optional<Error> GifAnimation::State::show_next_frame() {
  auto next = read_next_gif_frame(reader, screen);
  if (!next) return next.error();
  if (!*next) return frames_shown == 0 ? std::optional<Error>{Error::corrupt} : std::nullopt;
  const GifFrame& frame = **next;
  const GifClip frame_clip = clip_gif_frame(frame, screen.width, screen.height);
  const GifFramePixels pixels = decode_gif_frame(reader, frame, frame_clip, buffers);
  const bool first = frames_shown == 0 && !wrapped;
  const bool partial_first = first && pixels.error == Error::truncated && pixels.decoded > 0;
  if (pixels.error && !partial_first) return pixels.error;
  dispose_shown_frame();
  if (frame.disposal == GifDisposal::restore_previous) saved = canvas.pixels;
  draw_gif_frame(frame, frame_clip, pixels, buffers.visible, canvas);
  disposal = frame.disposal;
  clip = frame_clip;
  delay_ms = frame.delay_cs == 0 ? zero_delay_ms : frame.delay_cs * 10;
  if (!wrapped) ++frames_shown;
  if (partial_first) error = Error::truncated;  // shown, but nothing follows it
  return std::nullopt;
}

// After the last frame the animation starts over from a cleared canvas.
void GifAnimation::State::restart() {
  reader = ByteReader(bytes, screen.first_block);
  std::fill(canvas.pixels.begin(), canvas.pixels.end(), Rgba{});
  disposal = GifDisposal::keep;
  wrapped = true;
}

Result<GifAnimation> GifAnimation::open(Bytes bytes) {
  auto screen = read_gif_screen(bytes);
  if (!screen) return screen.error();
  auto canvas = allocate_image(screen->width, screen->height);
  if (!canvas) return canvas.error();
  auto state = std::make_unique<State>(bytes, *screen, std::move(*canvas));
  state->frame_count = count_frames(bytes, *screen);
  if (state->frame_count == 0) return Error::corrupt;  // no image descriptor: no picture
  if (auto error = state->show_next_frame()) return *error;
  return GifAnimation(std::move(state));
}

std::optional<Error> GifAnimation::advance() {
  State& s = *state_;
  if (s.error || s.frame_count < 2) return s.error;  // a still stays as it is
  // Past the last frame, start over; peeking costs only the extension blocks before it.
  const ByteReader before = s.reader;
  auto next = read_next_gif_frame(s.reader, s.screen);
  s.reader = before;
  if (next && !*next) s.restart();
  s.error = s.show_next_frame();
  return s.error;
}

GifAnimation::GifAnimation(std::unique_ptr<State> state) : state_(std::move(state)) {}
GifAnimation::GifAnimation(GifAnimation&&) noexcept = default;
GifAnimation& GifAnimation::operator=(GifAnimation&&) noexcept = default;
GifAnimation::~GifAnimation() = default;

const Image& GifAnimation::canvas() const { return state_->canvas; }
int GifAnimation::delay_ms() const { return state_->delay_ms; }
int GifAnimation::frame_count_so_far() const { return state_->frames_shown; }
bool GifAnimation::is_animated() const { return state_->frame_count > 1; }

Result<Image> decode_gif(Bytes bytes) {
  auto animation = GifAnimation::open(bytes);
  if (!animation) return animation.error();
  return animation->canvas();
}

}  // namespace picture
