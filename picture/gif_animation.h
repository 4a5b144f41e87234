// Plays a GIF frame after frame onto one logical-screen canvas. Memory stays one canvas (plus
// one saved copy for "restore to previous") whatever the frame count: frames are decoded
// as they are shown, never all at once.
#pragma once

#include <memory>
#include <optional>

#include "picture.h"

namespace picture {

class GifAnimation {
 public:
  // Parses the header and decodes the first frame. The bytes must outlive the animation.
  static Result<GifAnimation> open(Bytes bytes);

  GifAnimation(GifAnimation&&) noexcept;
  GifAnimation& operator=(GifAnimation&&) noexcept;
  ~GifAnimation();

  const Image& canvas() const;  // the current composed frame; transparent where nothing drew
  int delay_ms() const;         // how long the current frame stays (a delay of 0 gives 50)
  int frame_count_so_far() const;
  bool is_animated() const;  // more than one frame in the file

  // Moves to the next frame, wrapping from the last to the first. An error sticks: every
  // later call fails the same way and the canvas keeps the last good frame.
  std::optional<Error> advance();

 private:
  struct State;
  explicit GifAnimation(std::unique_ptr<State>);
  std::unique_ptr<State> state_;
};

}  // namespace picture
