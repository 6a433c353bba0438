#include "platform/WavProbe.h"

#include <QFile>
#include <algorithm>

#include "platform/MediaErrors.h"
#include "platform/PlatformError.h"

namespace platform {
namespace {

namespace errors = media_errors;

// Format tags of the encodings the WAV reader decodes.
enum : std::uint16_t {
  kPcm = 0x0001,
  kMsAdpcm = 0x0002,
  kIeeeFloat = 0x0003,
  kALaw = 0x0006,
  kMuLaw = 0x0007,
  kImaAdpcm = 0x0011,
  kExtensible = 0xFFFE,
};

constexpr std::int64_t kRiffHeaderBytes = 12;
constexpr std::int64_t kChunkHeaderBytes = 8;
constexpr std::uint32_t kPlainFmtBytes = 16;
// An extensible fmt chunk keeps the real format tag in the first two bytes
// of its sub-format GUID, which starts at byte 24.
constexpr std::uint32_t kExtensibleFmtBytes = 40;
constexpr int kSubFormatOffset = 24;
// Bytes at the head of every ADPCM block, per channel.
constexpr int kImaBlockHeader = 4;
constexpr int kMsBlockHeader = 7;

using TBytes = std::span<const std::uint8_t>;

std::uint16_t U16(TBytes bytes, std::int64_t at) {
  return static_cast<std::uint16_t>(bytes[static_cast<std::size_t>(at)] |
                                    bytes[static_cast<std::size_t>(at) + 1] << 8);
}

std::uint32_t U32(TBytes bytes, std::int64_t at) {
  return U16(bytes, at) | static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

bool IdIs(TBytes bytes, std::int64_t at, const char (&id)[5]) {
  return std::equal(id, id + 4, bytes.begin() + at);
}

[[noreturn]] void Refuse(const QString& text) {
  throw EPlatformError(text);
}

void ReadFormat(TBytes file, std::int64_t body, std::uint32_t size, TWavHeader& header) {
  if (size < kPlainFmtBytes) Refuse(errors::kBrokenHeader);
  if (body + std::min(size, kExtensibleFmtBytes) > static_cast<std::int64_t>(file.size())) {
    Refuse(errors::kTruncated);
  }
  header.FmtOffset = body;
  header.FmtBytes = size;
  header.FormatTag = U16(file, body);
  header.Channels = U16(file, body + 2);
  header.SampleRate = U32(file, body + 4);
  header.BlockAlign = U16(file, body + 12);
  header.BitsPerSample = U16(file, body + 14);
  if (header.FormatTag == kExtensible) {
    if (size < kExtensibleFmtBytes) Refuse(errors::kBrokenHeader);
    header.FormatTag = U16(file, body + kSubFormatOffset);
  }
}

// Walks the chunks up to the data chunk, keeping the first fmt chunk (the
// one the decoder uses) and reading nothing but chunk headers.
void WalkChunks(TBytes file, TWavHeader& header) {
  const auto fileSize = static_cast<std::int64_t>(file.size());
  bool haveFormat = false;
  std::int64_t offset = kRiffHeaderBytes;
  for (int chunk = 0;; ++chunk) {
    // A file that ends cleanly after its format has no samples; any other
    // end before the data chunk means the file was cut short.
    if (offset == fileSize && haveFormat) Refuse(errors::kNoAudioData);
    if (offset + kChunkHeaderBytes > fileSize) Refuse(errors::kTruncated);
    if (chunk == kMaxChunksBeforeData) Refuse(errors::kNoDataChunk);
    const std::uint32_t size = U32(file, offset + 4);
    const std::int64_t body = offset + kChunkHeaderBytes;
    if (IdIs(file, offset, "fmt ") && !haveFormat) {
      ReadFormat(file, body, size, header);
      haveFormat = true;
    } else if (IdIs(file, offset, "data")) {
      if (!haveFormat) Refuse(errors::kBrokenHeader);
      if (body + size > fileSize) Refuse(errors::kTruncated);
      header.DataOffset = body;
      header.DataBytes = size;
      return;
    }
    offset = body + size + (size & 1);  // chunks are padded to an even length
  }
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
  return (a + b - 1) / b;
}

// Output bytes of an ADPCM stream: whole blocks of samples, the last one
// counted whole; `header` bytes per channel open each block with one sample
// (IMA) or two (MS), and every further byte holds two 4-bit codes.
std::int64_t AdpcmDecodedBytes(const TWavHeader& h, int header, int headerSamples) {
  const int perChannel = h.BlockAlign / h.Channels;
  if (h.BitsPerSample != 4 || perChannel <= header) Refuse(errors::kBrokenHeader);
  const std::int64_t samplesPerBlock = (perChannel - header) * 2 + headerSamples;
  return CeilDiv(h.DataBytes, h.BlockAlign) * samplesPerBlock * h.Channels * 2;
}

// How the samples are read and what memory that takes. PCM of 8, 16 or 32
// bits and 32-bit float play in place; 24-bit PCM is widened to 32 bits and
// the compressed encodings are decoded to 16 bits, into memory.
void SettleReading(TWavHeader& h) {
  const std::int64_t frameBytes = std::int64_t{h.Channels} * h.BitsPerSample / 8;
  const bool plain = h.FormatTag == kPcm || h.FormatTag == kIeeeFloat || h.FormatTag == kALaw ||
                     h.FormatTag == kMuLaw;
  if (plain && (frameBytes == 0 || h.BitsPerSample % 8 != 0 || h.BlockAlign != frameBytes)) {
    Refuse(errors::kBrokenHeader);
  }
  const std::int64_t frames = plain ? h.DataBytes / frameBytes : 0;
  switch (h.FormatTag) {
    case kPcm:
      if (h.BitsPerSample == 24) {
        h.DecodedBytes = frames * h.Channels * 4;
      } else if (h.BitsPerSample == 8 || h.BitsPerSample == 16 || h.BitsPerSample == 32) {
        h.InPlace = true;
      } else {
        Refuse(errors::kUnsupported);
      }
      break;
    case kIeeeFloat:
      if (h.BitsPerSample != 32) Refuse(errors::kUnsupported);
      h.InPlace = true;
      break;
    case kALaw:
    case kMuLaw:
      if (h.BitsPerSample != 8) Refuse(errors::kUnsupported);
      h.DecodedBytes = frames * h.Channels * 2;
      break;
    case kImaAdpcm:
      h.DecodedBytes = AdpcmDecodedBytes(h, kImaBlockHeader, 1);
      break;
    case kMsAdpcm:
      h.DecodedBytes = AdpcmDecodedBytes(h, kMsBlockHeader, 2);
      break;
    default:
      Refuse(errors::kUnsupported);
  }
  if (h.InPlace && frames == 0) Refuse(errors::kNoAudioData);
  h.ReadingBytes = h.InPlace ? 0 : h.DataBytes + h.DecodedBytes;
}

}  // namespace

TWavHeader ProbeWavBytes(TBytes file) {
  const auto size = static_cast<std::int64_t>(file.size());
  if (size < 4 || !IdIs(file, 0, "RIFF")) Refuse(errors::kNotWav);
  if (size < kRiffHeaderBytes) Refuse(errors::kTruncated);
  if (!IdIs(file, 8, "WAVE")) Refuse(errors::kNotWave);

  TWavHeader header;
  WalkChunks(file, header);
  if (header.Channels < kMinChannels || header.Channels > kMaxChannels) {
    Refuse(header.Channels == 0 ? errors::kBrokenHeader : errors::kChannelCount);
  }
  if (header.SampleRate < kMinSampleRate || header.SampleRate > kMaxSampleRate) {
    Refuse(header.SampleRate == 0 ? errors::kBrokenHeader : errors::kSampleRate);
  }
  if (header.DataBytes == 0) Refuse(errors::kNoAudioData);
  SettleReading(header);
  if (header.ReadingBytes > kMaxSongBytes) Refuse(errors::kTooLarge);
  return header;
}

TWavHeader ProbeWav(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Refuse(errors::kCannotRead);
  if (file.size() == 0) return ProbeWavBytes({});
  // Mapped, not read: only the pages of the chunk headers are touched.
  const uchar* bytes = file.map(0, file.size());
  if (!bytes) Refuse(errors::kCannotRead);
  return ProbeWavBytes({bytes, static_cast<std::size_t>(file.size())});
}

}  // namespace platform
