#pragma once
// A WAV song ready for a device: PCM samples that plain files lend in place
// (from a mapping of the file) and other encodings decode once into memory.
#include <SDL.h>

#include <QString>
#include <cstdint>
#include <memory>
#include <span>

namespace platform {

struct TSong {
  SDL_AudioFormat Format = 0;
  std::uint8_t Channels = 0;
  int SampleRate = 0;
  std::span<const std::uint8_t> Samples;  // whole frames only
  std::shared_ptr<const void> Owner;      // keeps Samples alive

  int FrameBytes() const;
  std::int64_t Frames() const;
  std::uint8_t Silence() const;
};

// Probes the file, then maps it (PCM a device takes) or decodes it. Raises
// EPlatformError with the reason when the file cannot be played.
TSong ReadWavFile(const QString& path);

// The same from a WAV file's bytes; the song may point into `file`, which
// `owner` keeps alive.
TSong ReadWavBytes(std::span<const std::uint8_t> file, std::shared_ptr<const void> owner = {});

}  // namespace platform
