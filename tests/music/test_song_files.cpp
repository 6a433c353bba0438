// Which files the player accepts: every encoding the WAV reader decodes, in
// any layout, and a clear refusal for everything else.
#include <QElapsedTimer>
#include <QTest>

#include "music/uSong.h"
#include "platform/PlatformError.h"
#include "platform/WavDecoder.h"
#include "platform/WavProbe.h"
#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

using platform::TMediaPlayer;
using platform::TMPModes;

namespace {

constexpr int kDurationMs = 200;

QByteArray Repeat(int count, char byte) {
  return QByteArray(count, byte);
}

// IMA ADPCM: a 4-byte header per channel and block, then 4-bit codes.
QByteArray ImaAdpcmWav(std::uint16_t channels, std::uint32_t rate, int blocks) {
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(256 * channels);
  const std::uint16_t perBlock =
      static_cast<std::uint16_t>((blockAlign - 4 * channels) * 2 / channels + 1);
  QByteArray extra("\x02\x00", 2);
  extra.append(static_cast<char>(perBlock & 0xFF)).append(static_cast<char>(perBlock >> 8));
  TWavLayout layout{.Tag = 0x11,
                    .Channels = channels,
                    .Rate = rate,
                    .Bits = 4,
                    .BlockAlign = blockAlign,
                    .FmtExtra = extra};
  return WavBytes(layout, Repeat(blocks * blockAlign, '\x11'));
}

// MS ADPCM: the seven standard predictor pairs, then blocks that each open
// with predictor, step and two samples per channel.
QByteArray MsAdpcmWav(std::uint16_t channels, std::uint32_t rate, int blocks) {
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(256 * channels);
  const std::uint16_t perBlock =
      static_cast<std::uint16_t>((blockAlign - 7 * channels) * 2 / channels + 2);
  QByteArray extra;
  auto put16 = [&](int v) {
    extra.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
  };
  put16(32);
  put16(perBlock);
  put16(7);
  for (int c : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232}) put16(c);
  QByteArray block;
  for (int ch = 0; ch < channels; ++ch) block.append('\0');           // predictor 0
  for (int ch = 0; ch < channels; ++ch) block.append("\x10\x00", 2);  // step 16
  block.append(Repeat(4 * channels, '\x01'));                         // the two first samples
  block.append(Repeat(blockAlign - block.size(), '\x12'));
  TWavLayout layout{.Tag = 0x02,
                    .Channels = channels,
                    .Rate = rate,
                    .Bits = 4,
                    .BlockAlign = blockAlign,
                    .FmtExtra = extra};
  return WavBytes(layout, block.repeated(blocks));
}

QByteArray PlainWav(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                    std::uint16_t bits) {
  const int frames = static_cast<int>(rate) * kDurationMs / 1000;
  TWavLayout layout{.Tag = tag, .Channels = channels, .Rate = rate, .Bits = bits};
  return WavBytes(layout, Repeat(frames * channels * bits / 8, '\x40'));
}

QByteArray ExtensiblePcmWav() {
  QByteArray extra("\x16\x00\x10\x00\x03\x00\x00\x00", 8);  // 22 bytes: bits, channel mask
  extra.append("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
  const int frames = 44100 * kDurationMs / 1000;
  TWavLayout layout{.Tag = 0xFFFE, .Channels = 2, .Rate = 44100, .Bits = 16, .FmtExtra = extra};
  return WavBytes(layout, Repeat(frames * 4, '\x20'));
}

constexpr qint64 kMiB = 1024 * 1024;

// The fmt chunk, header and all, of a file with `layout`.
QByteArray FmtChunk(const TWavLayout& layout) {
  const QByteArray bare = WavBytes(layout, QByteArray());
  return bare.mid(12, bare.size() - 12 - 8);  // after RIFF and WAVE, before the empty data
}

QByteArray Chunk(const char* id, const QByteArray& body) {
  const auto size = static_cast<std::uint32_t>(body.size());
  QByteArray chunk(id, 4);
  for (int i = 0; i < 4; ++i) chunk.append(static_cast<char>(size >> (8 * i)));
  return chunk + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// A RIFF WAVE of `chunks`; then `dataBytes` of zeros declared by a data
// chunk header (or, with no id, a bare tail), added sparsely by truncate.
struct THostileFile {
  QByteArray Chunks;
  qint64 DataBytes = 0;
  bool DataHeader = true;
};

void WriteHostile(const QString& path, const THostileFile& spec) {
  QByteArray head = "RIFF" + QByteArray(4, '\xFF') + "WAVE" + spec.Chunks;
  if (spec.DataHeader) {
    head += Chunk("data", QByteArray()).left(4);
    for (int i = 0; i < 4; ++i) head.append(static_cast<char>(spec.DataBytes >> (8 * i)));
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size() ||
      !file.resize(head.size() + spec.DataBytes)) {
    qFatal("cannot write %s", qPrintable(path));
  }
}

// Peak resident memory since the last reset, in bytes.
qint64 PeakResident() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:"))
      return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
  }
  return -1;
}

void ResetPeakResident() {
  QFile clear("/proc/self/clear_refs");
  if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

}  // namespace

Q_DECLARE_METATYPE(THostileFile)

namespace {}  // namespace

class TestSongFiles : public QObject {
  Q_OBJECT

 private slots:
  void decodable_wav_files_open_and_play_to_their_end_data() {
    QTest::addColumn<QByteArray>("wav");
    QTest::addColumn<std::int64_t>("length");
    const std::int64_t ms = kDurationMs;
    QTest::newRow("8-bit mono 11025 Hz") << PlainWav(1, 1, 11025, 8) << ms;
    QTest::newRow("16-bit stereo 44100 Hz") << PlainWav(1, 2, 44100, 16) << ms;
    QTest::newRow("24-bit mono 22050 Hz") << PlainWav(1, 1, 22050, 24) << ms;
    QTest::newRow("32-bit stereo 48000 Hz") << PlainWav(1, 2, 48000, 32) << ms;
    QTest::newRow("float stereo 32000 Hz") << PlainWav(3, 2, 32000, 32) << ms;
    QTest::newRow("A-law mono 8000 Hz") << PlainWav(6, 1, 8000, 8) << ms;
    QTest::newRow("mu-law stereo 8000 Hz") << PlainWav(7, 2, 8000, 8) << ms;
    QTest::newRow("extensible 16-bit stereo") << ExtensiblePcmWav() << ms;
    // 8 blocks of 505 samples, 2 blocks of 500 samples per channel.
    QTest::newRow("IMA ADPCM mono 22050 Hz")
        << ImaAdpcmWav(1, 22050, 8) << std::int64_t{4040 * 1000 / 22050};
    QTest::newRow("MS ADPCM stereo 11025 Hz")
        << MsAdpcmWav(2, 11025, 2) << std::int64_t{1000 * 1000 / 11025};
  }

  void decodable_wav_files_open_and_play_to_their_end() {
    QFETCH(QByteArray, wav);
    QFETCH(std::int64_t, length);
    TScratchFolder folder;
    WriteFile(folder.Path("KeloSong1.wav"), wav);
    TMediaPlayer player;
    LoadSong(player, 1);
    QCOMPARE(folder.Errors, QStringList());
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    QCOMPARE(player.Length(), length);
    StartSong(player);
    QVERIFY(QTest::qWaitFor([&] { return player.Mode() == TMPModes::mpStopped; }, 3000));
    QCOMPARE(player.Position(), length);
  }

  void unplayable_files_give_the_device_error_and_the_caller_goes_on_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QByteArray good = SongWav(100);
    QByteArray noise;
    for (int i = 0; i < 300; ++i) noise.append(static_cast<char>((i * 151 + 7) % 256));
    QByteArray unknown = WavBytes({.Tag = 0x55}, QByteArray(400, 'x'));  // MPEG layer 3
    QByteArray noData = good.left(36);                                   // RIFF, WAVE and fmt only
    QTest::newRow("empty") << QByteArray() << "曲のファイルが WAV 形式ではありません。";
    QTest::newRow("random bytes") << noise << "曲のファイルが WAV 形式ではありません。";
    QTest::newRow("header cut short") << good.left(30) << "WAV ファイルが途中で切れています。";
    QTest::newRow("samples cut short") << good.left(200) << "WAV ファイルが途中で切れています。";
    QTest::newRow("RIFF but not WAVE")
        << WavBytes({.Form = "AVI "}, QByteArray(100, 'x'))
        << "曲のファイルは RIFF 形式ですが、WAVE 音声ではありません。";
    QTest::newRow("unsupported encoding")
        << unknown << "この WAV ファイルの符号化形式には対応していません。";
    QTest::newRow("64-bit float") << PlainWav(3, 1, 8000, 64)
                                  << "この WAV ファイルの符号化形式には対応していません。";
    QTest::newRow("zero bits per sample")
        << WavBytes({.Bits = 0, .BlockAlign = 0}, QByteArray(100, 'x'))
        << "WAV ファイルのヘッダーが壊れています。";
    QTest::newRow("no samples") << noData << "WAV ファイルに音声データがありません。";
    QTest::newRow("huge declared data size")
        << WavBytes({.DeclaredDataBytes = 0xFFFFFFF0}, QByteArray(100, 'x'))
        << "WAV ファイルが途中で切れています。";
  }

  void unplayable_files_give_the_device_error_and_the_caller_goes_on() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TScratchFolder folder;
    WriteFile(folder.Path("KeloSong2.wav"), bytes);
    WriteFile(folder.Path("KeloSong1.wav"), SongWav(100));
    TMediaPlayer player;
    SelectSong(player, 2);
    QCOMPARE(folder.Errors, QStringList{text});
    QCOMPARE(player.Mode(), TMPModes::mpNotReady);
    QCOMPARE(player.FileName, folder.Path("KeloSong2.wav"));
    SelectSong(player, 1);  // nothing of the refused file lingers
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    QCOMPARE(folder.Errors.size(), 1);
  }

#include "platform/WavProbe.h"
  void no_usable_audio_device_is_the_device_error() {
    TScratchFolder folder;
    WriteFile(folder.Path("KeloSong1.wav"), SongWav(100));
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    TMediaPlayer player;
    LoadSong(player, 1);
    qputenv("SDL_AUDIODRIVER", driver);
    QCOMPARE(folder.Errors, QStringList{"使用できるオーディオ デバイスがありません。"});
    QCOMPARE(player.Mode(), TMPModes::mpNotReady);
    LoadSong(player, 1);  // the next attempt finds the device again
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
  }
  // Files made to hang, exhaust or mislead the reader: each is decided in
  // bounded time and memory, refused with the reason that applies.
  void hostile_files_are_decided_in_bounded_time_and_memory_data() {
    QTest::addColumn<THostileFile>("file");
    QTest::addColumn<QString>("text");  // empty: the song is accepted
    const auto fmt = [](std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                        std::uint16_t bits, std::uint16_t blockAlign = 0) {
      return FmtChunk(
          {.Tag = tag, .Channels = channels, .Rate = rate, .Bits = bits, .BlockAlign = blockAlign});
    };
    const QByteArray ima =
        FmtChunk({.Tag = 0x11,
                  .Channels = 1,
                  .Rate = 22050,
                  .Bits = 4,
                  .BlockAlign = 256,
                  .FmtExtra = QByteArray("\x02\x00\xF9\x01", 4)});  // 505 samples a block
    const QString rate = "曲のｻﾝﾌﾟﾘﾝｸﾞ ﾚｰﾄには対応していません (1000～384000 Hz まで)。";
    const QString channels = "曲のﾁｬﾝﾈﾙ数には対応していません (1～8 ﾁｬﾝﾈﾙまで)。";
    const QString noData = "WAV ﾌｧｲﾙのﾁｬﾝｸが多すぎて、音声ﾃﾞｰﾀが見つかりません。";
    const QString tooLarge = "曲のファイルが大きすぎるため、メモリーに読み込めません。";
    QTest::newRow("1,638,450 Hz") << THostileFile{fmt(1, 1, 1638450, 16), 64 * 1024} << rate;
    QTest::newRow("1 Hz") << THostileFile{fmt(1, 1, 1, 16), 1024} << rate;
    QTest::newRow("16 channels") << THostileFile{fmt(1, 16, 44100, 16), 32 * 1024} << channels;
    QTest::newRow("128 channels, 3 MiB")
        << THostileFile{fmt(1, 128, 8000, 24, 3), 3 * kMiB} << channels;
    QTest::newRow("24-bit, 8 channels, block align 3, 48 MiB")
        << THostileFile{fmt(1, 8, 44100, 24, 3), 48 * kMiB}
        << "WAV ファイルのヘッダーが壊れています。";
    QTest::newRow("two fmt chunks, IMA ADPCM first, 100 MiB")
        << THostileFile{ima + fmt(1, 1, 22050, 16), 100 * kMiB} << tooLarge;
    QTest::newRow("4 GiB sparse tail and no data chunk")
        << THostileFile{fmt(1, 2, 44100, 16), 4096 * kMiB, false} << noData;
    QTest::newRow("10,001 chunks before the data")
        << THostileFile{fmt(1, 1, 8000, 16) + Chunk("junk", "ab").repeated(10000), 1024} << noData;
    QTest::newRow("the largest IMA ADPCM song the limit admits")
        << THostileFile{ima, 25 * kMiB} << QString();
    QTest::newRow("200 MiB of 16-bit PCM, played in place")
        << THostileFile{fmt(1, 2, 44100, 16), 200 * kMiB} << QString();
    QTest::newRow("50 MiB of A-law, 150 MiB to decode")
        << THostileFile{fmt(6, 1, 8000, 8), 50 * kMiB} << tooLarge;
  }

  void hostile_files_are_decided_in_bounded_time_and_memory() {
    QFETCH(THostileFile, file);
    QFETCH(QString, text);
    TScratchFolder folder;
    WriteHostile(folder.Path("KeloSong1.wav"), file);
    ResetPeakResident();
    QElapsedTimer timer;
    timer.start();
    {
      TMediaPlayer player;
      LoadSong(player, 1);
      QCOMPARE(player.Mode(), text.isEmpty() ? TMPModes::mpStopped : TMPModes::mpNotReady);
    }
    QCOMPARE(folder.Errors, text.isEmpty() ? QStringList() : QStringList{text});
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    const qint64 peak = PeakResident();
    QVERIFY2(peak < platform::kMaxSongBytes + 64 * kMiB, qPrintable(QString::number(peak)));
  }

  // PCM a device takes is played from the file's own bytes, not a copy.
  void plain_pcm_is_read_in_place() {
    const QByteArray wav = SongWav(100);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(wav.constData());
    const platform::TSong song =
        platform::ReadWavBytes({bytes, static_cast<std::size_t>(wav.size())});
    QCOMPARE(static_cast<const void*>(song.Samples.data()), static_cast<const void*>(bytes + 44));
    QCOMPARE(song.Frames(), 800);
  }
};

QTEST_GUILESS_MAIN(TestSongFiles)
#include "test_song_files.moc"
