#pragma once
// Reads the chunk headers of a WAV file, without its samples, so that a file
// which cannot be a playable song is refused with a precise reason before
// anything large is read into memory.
#include <QString>
#include <cstdint>

namespace platform {

// Decoded songs are held in memory whole; no song may need more than this,
// neither as decoded by the WAV reader nor after conversion for the device.
inline constexpr std::int64_t kMaxSongBytes = 128LL * 1024 * 1024;

struct TWavHeader {
  std::uint16_t FormatTag = 0;  // the fmt chunk's tag, or the sub-format of an extensible one
  std::uint16_t Channels = 0;
  std::uint32_t SampleRate = 0;
  std::uint16_t BitsPerSample = 0;
  std::int64_t DataBytes = 0;
};

// Raises EPlatformError (see MediaErrors.h) for a file that is not a RIFF
// WAVE, whose headers are broken or cut short, whose encoding is not one the
// player decodes, that holds no samples, or whose decoded samples would
// exceed kMaxSongBytes.
TWavHeader ProbeWav(const QString& path);

// How many bytes the WAV reader needs for the decoded samples of `header`.
std::int64_t DecodedBytes(const TWavHeader& header);

}  // namespace platform
