#pragma once
// Reads the chunk headers of a WAV file, without its samples, so that a file
// which cannot be a playable song is refused with a precise reason before
// anything large is read into memory. The probe also settles how the file
// will be played: its PCM read in place, or decoded once into memory.
#include <QString>
#include <cstdint>
#include <span>

namespace platform {

// Memory that reading a song may take: the decoder's copy of the encoded
// samples plus what it decodes them into. A song played in place needs none.
inline constexpr std::int64_t kMaxSongBytes = 128LL * 1024 * 1024;

// What a device can be asked to play.
inline constexpr int kMinChannels = 1;
inline constexpr int kMaxChannels = 8;
inline constexpr std::uint32_t kMinSampleRate = 1'000;
inline constexpr std::uint32_t kMaxSampleRate = 384'000;

// Chunks before the data chunk; real files carry a handful (fmt, fact, LIST).
inline constexpr int kMaxChunksBeforeData = 1'000;

struct TWavHeader {
  std::uint16_t FormatTag = 0;  // the fmt chunk's tag, or the sub-format of an extensible one
  std::uint16_t Channels = 0;
  std::uint32_t SampleRate = 0;
  std::uint16_t BitsPerSample = 0;
  std::uint16_t BlockAlign = 0;
  std::int64_t FmtOffset = 0;  // the body of the fmt chunk that is used (the first one)
  std::uint32_t FmtBytes = 0;
  std::int64_t DataOffset = 0;  // the body of the data chunk
  std::int64_t DataBytes = 0;
  bool InPlace = false;           // the samples are PCM a device takes as they are
  std::int64_t DecodedBytes = 0;  // what the decoder produces; 0 when played in place
  std::int64_t ReadingBytes = 0;  // peak memory of decoding: encoded copy plus output
};

// Raises EPlatformError (see MediaErrors.h) for a file that is not a RIFF
// WAVE, whose headers are broken or cut short, whose encoding, channel count
// or sample rate the player does not take, that holds no samples, or whose
// reading would need more than kMaxSongBytes. Looks at no more than the
// chunk headers and one fmt chunk: a few kilobytes, whatever the file size.
TWavHeader ProbeWavBytes(std::span<const std::uint8_t> file);
TWavHeader ProbeWav(const QString& path);

}  // namespace platform
