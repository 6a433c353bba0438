#include "platform/WavProbe.h"

#include <QFile>
#include <algorithm>
#include <array>

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

constexpr int kChunkHeaderBytes = 8;
constexpr int kPlainFmtBytes = 16;
// An extensible fmt chunk keeps the real format tag in the first two bytes
// of its sub-format GUID, which starts at byte 24.
constexpr int kExtensibleFmtBytes = 40;
constexpr int kSubFormatOffset = 24;

std::uint16_t U16(const char* p) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                    static_cast<unsigned char>(p[1]) << 8);
}

std::uint32_t U32(const char* p) {
  return U16(p) | static_cast<std::uint32_t>(U16(p + 2)) << 16;
}

[[noreturn]] void Refuse(const QString& text) {
  throw EPlatformError(text);
}

QByteArray ReadExactly(QFile& file, qint64 offset, qint64 count) {
  if (!file.seek(offset)) Refuse(errors::kCannotRead);
  QByteArray bytes = file.read(count);
  if (bytes.size() != count) Refuse(errors::kTruncated);
  return bytes;
}

void ReadFormat(QFile& file, qint64 offset, std::uint32_t size, TWavHeader& header) {
  if (size < kPlainFmtBytes) Refuse(errors::kBrokenHeader);
  const bool extensible = size >= kExtensibleFmtBytes;
  const QByteArray fmt =
      ReadExactly(file, offset, extensible ? kExtensibleFmtBytes : kPlainFmtBytes);
  header.FormatTag = U16(fmt.constData());
  header.Channels = U16(fmt.constData() + 2);
  header.SampleRate = U32(fmt.constData() + 4);
  header.BitsPerSample = U16(fmt.constData() + 14);
  if (header.FormatTag == kExtensible) {
    if (!extensible) Refuse(errors::kBrokenHeader);
    header.FormatTag = U16(fmt.constData() + kSubFormatOffset);
  }
  if (header.Channels == 0 || header.SampleRate == 0) Refuse(errors::kBrokenHeader);
}

bool Decodable(std::uint16_t tag) {
  constexpr std::array kTags{kPcm, kMsAdpcm, kIeeeFloat, kALaw, kMuLaw, kImaAdpcm};
  return std::find(kTags.begin(), kTags.end(), tag) != kTags.end();
}

}  // namespace

std::int64_t DecodedBytes(const TWavHeader& header) {
  switch (header.FormatTag) {
    case kMsAdpcm:
    case kImaAdpcm:
      return header.DataBytes * 4;  // 4-bit codes become 16-bit samples
    case kALaw:
    case kMuLaw:
      return header.DataBytes * 2;  // 8-bit codes become 16-bit samples
    case kPcm:
      // 24-bit samples are widened to 32 bits.
      return header.BitsPerSample == 24 ? header.DataBytes / 3 * 4 : header.DataBytes;
    default:
      return header.DataBytes;
  }
}

TWavHeader ProbeWav(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Refuse(errors::kCannotRead);
  const qint64 fileSize = file.size();
  const QByteArray riff = file.read(12);
  if (riff.size() < 4 || !riff.startsWith("RIFF")) Refuse(errors::kNotWav);
  if (riff.size() < 12) Refuse(errors::kTruncated);
  if (riff.mid(8, 4) != "WAVE") Refuse(errors::kNotWave);

  TWavHeader header;
  bool haveFormat = false;
  qint64 offset = 12;
  while (true) {
    // A file that ends cleanly after its format has no samples; any other
    // end before the data chunk means the file was cut short.
    if (offset == fileSize && haveFormat) Refuse(errors::kNoAudioData);
    if (offset + kChunkHeaderBytes > fileSize) Refuse(errors::kTruncated);
    const QByteArray chunk = ReadExactly(file, offset, kChunkHeaderBytes);
    const std::uint32_t size = U32(chunk.constData() + 4);
    const qint64 body = offset + kChunkHeaderBytes;
    if (chunk.startsWith("fmt ")) {
      ReadFormat(file, body, size, header);
      haveFormat = true;
    } else if (chunk.startsWith("data")) {
      if (!haveFormat) Refuse(errors::kBrokenHeader);
      if (body + size > fileSize) Refuse(errors::kTruncated);
      header.DataBytes = size;
      break;
    }
    offset = body + size + (size & 1);  // chunks are padded to an even length
  }
  if (!Decodable(header.FormatTag)) Refuse(errors::kUnsupported);
  if (header.DataBytes == 0) Refuse(errors::kNoAudioData);
  if (DecodedBytes(header) > kMaxSongBytes) Refuse(errors::kTooLarge);
  return header;
}

}  // namespace platform
