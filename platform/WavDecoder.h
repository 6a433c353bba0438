#pragma once
// Decodes a WAV file into samples in memory and converts them to the format
// an audio device asks for.
#include <SDL.h>

#include <QString>
#include <cstdint>
#include <vector>

namespace platform {

struct TPcm {
  SDL_AudioSpec Spec{};  // freq, format and channels describe Bytes
  std::vector<Uint8> Bytes;

  int FrameBytes() const;
  std::int64_t Frames() const;
};

// Raises EPlatformError with the reason when the file cannot be decoded.
TPcm DecodeWav(const QString& path);

// `pcm` resampled and reformatted to `target`'s freq, format and channels.
// Raises EPlatformError when the result would not fit kMaxSongBytes.
TPcm ConvertPcm(TPcm pcm, const SDL_AudioSpec& target);

}  // namespace platform
