#include "bench/CraftedSongs.h"

#include <QFile>

namespace {

constexpr std::int64_t kMiB = 1024 * 1024;

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

struct TFormat {
  std::uint16_t Tag, Channels;
  std::uint32_t Rate;
  std::uint16_t Bits, BlockAlign;
  std::vector<std::uint8_t> Extra{};
};

std::vector<std::uint8_t> FmtChunk(const TFormat& f) {
  std::vector<std::uint8_t> chunk{'f', 'm', 't', ' '};
  Put(chunk, static_cast<std::uint32_t>(16 + f.Extra.size()), 4);
  Put(chunk, f.Tag, 2);
  Put(chunk, f.Channels, 2);
  Put(chunk, f.Rate, 4);
  Put(chunk, f.Rate * f.BlockAlign, 4);
  Put(chunk, f.BlockAlign, 2);
  Put(chunk, f.Bits, 2);
  chunk.insert(chunk.end(), f.Extra.begin(), f.Extra.end());
  return chunk;
}

// IMA ADPCM, mono, 256-byte blocks of 505 samples.
const TFormat kIma{0x11, 1, 22050, 4, 256, {2, 0, 0xF9, 0x01}};

std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

std::vector<TCraftedSong> CraftedSongs() {
  return {
      {"24-bit, 8 channels, block align 3, 48 MiB", FmtChunk({1, 8, 44100, 24, 3}), 48 * kMiB},
      {"24-bit, 128 channels, block align 3, 3 MiB", FmtChunk({1, 128, 44100, 24, 3}), 3 * kMiB},
      {"fmt IMA ADPCM then fmt PCM, 100 MiB",
       Concat(FmtChunk(kIma), FmtChunk({1, 1, 22050, 16, 2})), 100 * kMiB},
      {"IMA ADPCM, 25 MiB (largest admitted)", FmtChunk(kIma), 25 * kMiB},
      {"24-bit stereo, 54 MiB (largest admitted)", FmtChunk({1, 2, 44100, 24, 6}), 54 * kMiB},
      {"16-bit stereo, 1 GiB (read in place)", FmtChunk({1, 2, 44100, 16, 4}), 1024 * kMiB},
  };
}

void WriteCraftedSong(const QString& path, const TCraftedSong& song) {
  std::vector<std::uint8_t> head{'R', 'I', 'F', 'F'};
  Put(head, 0xFFFFFFFF, 4);
  head.insert(head.end(), {'W', 'A', 'V', 'E'});
  head.insert(head.end(), song.FmtChunks.begin(), song.FmtChunks.end());
  head.insert(head.end(), {'d', 'a', 't', 'a'});
  Put(head, static_cast<std::uint32_t>(song.DataBytes), 4);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(reinterpret_cast<const char*>(head.data()), static_cast<qint64>(head.size()));
  file.resize(static_cast<qint64>(head.size()) + song.DataBytes);
}
