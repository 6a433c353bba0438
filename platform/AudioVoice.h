#pragma once
// One song's playback as three threads share it: the UI thread plays, stops
// and rewinds; the audio thread copies samples from the play head and moves
// it on; the audio worker opens and closes a device to match. The playing
// flag and the head live in one atomic word, so that a Stop or a rewind can
// never be undone by a buffer that was being filled at the same moment.
#include <atomic>
#include <cstdint>

#include "platform/WavDecoder.h"

namespace platform {

class TVoice {
 public:
  explicit TVoice(TSong song);

  const TSong& Song() const { return song_; }
  bool Playing() const;
  bool AtEnd() const;
  std::int64_t Position() const;  // in frames

  void Play();  // rewinds first when at the end
  void Stop();  // keeps the position
  void Rewind();

  // Audio thread: fills a device buffer from the play head, silence where
  // the song is stopped or has ended.
  void Fill(std::uint8_t* stream, int length);

 private:
  static constexpr std::uint64_t kPlayingBit = std::uint64_t{1} << 63;
  static std::int64_t HeadOf(std::uint64_t state) {
    return static_cast<std::int64_t>(state & ~kPlayingBit);
  }
  template <typename Change>
  void Update(Change change);

  const TSong song_;
  const std::int64_t frames_;
  std::atomic<std::uint64_t> state_{0};
};

}  // namespace platform
