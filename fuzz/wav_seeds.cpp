// Writes the WAV seed corpus of the fuzz targets into the folder given on
// the command line: small well-formed files of every encoding the player
// decodes, and small stand-ins for files that once hung the player or blew
// up its memory (the real ones are hundreds of megabytes; the shape of
// their headers is what matters).
#include <QDir>
#include <cstdio>
#include <utility>
#include <vector>

#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) out.append(static_cast<char>(v));
  return out;
}

QByteArray Le16(int value) {
  return Bytes({value & 0xFF, (value >> 8) & 0xFF});
}

// `count` bytes that vary, so decoders see more than silence.
QByteArray Varied(int count) {
  QByteArray out;
  for (int i = 0; i < count; ++i) out.append(static_cast<char>((i * 73 + 11) & 0xFF));
  return out;
}

// `chunks` placed after the fmt chunk of `wav`, before its data chunk, with
// the RIFF size grown to match.
QByteArray InsertBeforeData(QByteArray wav, const QByteArray& chunks) {
  wav.insert(wav.indexOf("data"), chunks);
  const auto riffSize = static_cast<std::uint32_t>(wav.size() - 8);
  for (int i = 0; i < 4; ++i) wav[4 + i] = static_cast<char>((riffSize >> (8 * i)) & 0xFF);
  return wav;
}

// The fmt chunk of `wav`, header included.
QByteArray FmtChunk(const QByteArray& wav) {
  const qsizetype at = wav.indexOf("fmt ");
  const int size = static_cast<unsigned char>(wav[at + 4]) | static_cast<unsigned char>(wav[at + 5])
                                                                 << 8;
  return wav.mid(at, 8 + size);
}

// IMA ADPCM, mono: 256-byte blocks of 505 samples (the fmt extra bytes
// carry the samples per block).
TWavLayout ImaAdpcm() {
  return {.Tag = 0x11, .Rate = 8000, .Bits = 4, .BlockAlign = 256, .FmtExtra = Le16(2) + Le16(505)};
}

// Microsoft ADPCM, mono: 256-byte blocks of 500 samples and the seven
// standard predictor coefficient pairs.
TWavLayout MsAdpcm() {
  QByteArray extra = Le16(32) + Le16(500) + Le16(7);
  for (auto [a, b] :
       {std::pair{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}) {
    extra += Le16(a) + Le16(b);
  }
  return {.Tag = 0x02, .Rate = 8000, .Bits = 4, .BlockAlign = 256, .FmtExtra = extra};
}

// An IMA ADPCM block: a start sample, a step index, a reserved byte, codes.
QByteArray AdpcmBlock(int headerBytes) {
  QByteArray block = Varied(256);
  for (int i = 0; i < headerBytes; ++i) block[i] = 0;
  block[0] = 1;  // ADPCM predictor index / first sample: something small and valid
  return block;
}

std::vector<std::pair<const char*, QByteArray>> Seeds() {
  const QByteArray pcm16 = Pcm16(AudibleSamples(64));
  const QByteArray extensibleTail =
      Le16(22) + Le16(16) + Bytes({4, 0, 0, 0}) +  // valid bits, channel mask
      Bytes({1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71});  // PCM GUID
  const QByteArray pcm = WavBytes({}, pcm16);
  return {
      // Well-formed files of each encoding.
      {"pcm8-mono.wav", WavBytes({.Bits = 8}, Varied(100))},
      {"pcm16-mono.wav", pcm},
      {"pcm16-stereo-22050.wav", WavBytes({.Channels = 2, .Rate = 22050}, pcm16)},
      {"pcm24-stereo.wav", WavBytes({.Channels = 2, .Rate = 48000, .Bits = 24}, Varied(96))},
      {"pcm32-mono.wav", WavBytes({.Rate = 44100, .Bits = 32}, Varied(64))},
      {"float32-stereo.wav", WavBytes({.Tag = 3, .Channels = 2, .Bits = 32}, Varied(64))},
      {"alaw.wav", WavBytes({.Tag = 6, .Bits = 8}, Varied(64))},
      {"mulaw.wav", WavBytes({.Tag = 7, .Bits = 8}, Varied(64))},
      {"ima-adpcm.wav", WavBytes(ImaAdpcm(), AdpcmBlock(4))},
      {"ms-adpcm.wav", WavBytes(MsAdpcm(), AdpcmBlock(7))},
      {"extensible-pcm.wav", WavBytes({.Channels = 2, .FmtExtra = extensibleTail}, pcm16)},
      {"list-chunk-before-data.wav",
       InsertBeforeData(pcm, QByteArray("LIST\x05\0\0\0INFOx\0", 14))},
      // Files that hung the player or took far more memory than the size
      // limit allows.
      {"rate-1638450hz.wav", WavBytes({.Rate = 1638450}, pcm16)},
      {"rate-1hz.wav", WavBytes({.Rate = 1, .Bits = 8}, Varied(8))},
      {"pcm24-8ch-align3.wav",
       WavBytes({.Channels = 8, .Bits = 24, .BlockAlign = 3}, Varied(3072))},
      {"pcm24-128ch-align3.wav",
       WavBytes({.Channels = 128, .Bits = 24, .BlockAlign = 3}, Varied(3072))},
      {"two-fmt-ima-then-pcm.wav",
       InsertBeforeData(WavBytes(ImaAdpcm(), AdpcmBlock(4)), FmtChunk(pcm))},
      // 10,001 empty chunks between the header and the samples.
      {"chunk-walk-10001.wav", InsertBeforeData(pcm, QByteArray(8 * 10001, '\0'))},
      {"pcm16-16ch.wav", WavBytes({.Channels = 16}, Pcm16(AudibleSamples(16 * 8)))},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  for (const auto& [name, bytes] : Seeds())
    WriteFile(folder.filePath(QString::fromLatin1(name)), bytes);
  return 0;
}
