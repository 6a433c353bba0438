#include "platform/AudioVoice.h"

#include <algorithm>
#include <cstring>

namespace platform {

TVoice::TVoice(TSong song) : song_(std::move(song)), frames_(song_.Frames()) {}

bool TVoice::Playing() const {
  return (state_.load() & kPlayingBit) != 0;
}

bool TVoice::AtEnd() const {
  return HeadOf(state_.load()) == frames_;
}

std::int64_t TVoice::Position() const {
  return HeadOf(state_.load());
}

template <typename Change>
void TVoice::Update(Change change) {
  std::uint64_t state = state_.load();
  while (!state_.compare_exchange_weak(state, change(state))) {
  }
}

void TVoice::Play() {
  Update([&](std::uint64_t state) {
    const std::int64_t head = HeadOf(state) == frames_ ? 0 : HeadOf(state);
    return static_cast<std::uint64_t>(head) | kPlayingBit;
  });
}

void TVoice::Stop() {
  state_.fetch_and(~kPlayingBit);
}

void TVoice::Rewind() {
  Update([](std::uint64_t state) { return state & kPlayingBit; });
}

void TVoice::Fill(std::uint8_t* stream, int length) {
  const int frameBytes = song_.FrameBytes();
  std::uint64_t state = state_.load();
  std::int64_t copied = 0;
  // The samples count only if the head was not moved meanwhile; otherwise
  // the buffer is filled again from the new state.
  do {
    copied = 0;
    if (!(state & kPlayingBit)) break;
    const std::int64_t head = HeadOf(state);
    copied = std::min<std::int64_t>(length / frameBytes, frames_ - head);
    std::memcpy(stream, song_.Samples.data() + head * frameBytes,
                static_cast<std::size_t>(copied * frameBytes));
    const std::int64_t next = head + copied;
    const std::uint64_t after =
        static_cast<std::uint64_t>(next) | (next < frames_ ? kPlayingBit : 0);
    if (state_.compare_exchange_strong(state, after)) break;
  } while (true);
  const auto used = static_cast<std::size_t>(copied * frameBytes);
  std::memset(stream + used, song_.Silence(), static_cast<std::size_t>(length) - used);
}

}  // namespace platform
