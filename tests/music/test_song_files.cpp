// Which files the player accepts: every encoding the WAV reader decodes, in
// any layout, and a clear refusal for everything else.
#include <QTest>

#include "music/uSong.h"
#include "platform/PlatformError.h"
#include "platform/WavDecoder.h"
#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

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

}  // namespace

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

  // The limit is checked on the declared size, so a sparse file serves.
  void a_song_too_large_for_memory_is_refused_before_it_is_read() {
    TScratchFolder folder;
    const std::uint32_t dataBytes = 200u * 1024 * 1024;
    QFile file(folder.Path("KeloSong1.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(WavBytes({.DeclaredDataBytes = dataBytes}, QByteArray()));
    QVERIFY(file.resize(file.size() + dataBytes));
    file.close();
    TMediaPlayer player;
    LoadSong(player, 1);
    QCOMPARE(folder.Errors,
             QStringList{"曲のファイルが大きすぎるため、メモリーに読み込めません。"});
    QCOMPARE(player.Mode(), TMPModes::mpNotReady);
  }

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

  // What a device that asks for another layout gets: resampled, remixed
  // and reformatted samples of the same length and level.
  void conversion_keeps_length_and_level() {
    platform::TPcm pcm;
    pcm.Spec.freq = 8000;
    pcm.Spec.format = AUDIO_S16LSB;
    pcm.Spec.channels = 1;
    const QByteArray samples = Pcm16(std::vector<std::int16_t>(8000, 16384));
    pcm.Bytes.assign(samples.begin(), samples.end());
    SDL_AudioSpec device{};
    device.freq = 48000;
    device.format = AUDIO_F32SYS;
    device.channels = 2;
    const platform::TPcm out = platform::ConvertPcm(pcm, device);
    QCOMPARE_LT(std::abs(out.Frames() - 48000), 100);
    const float* floats = reinterpret_cast<const float*>(out.Bytes.data());
    QCOMPARE_LT(std::abs(floats[2 * 24000] - 0.5f), 0.01f);
    QCOMPARE_LT(std::abs(floats[2 * 24000 + 1] - 0.5f), 0.01f);
  }
};

QTEST_GUILESS_MAIN(TestSongFiles)
#include "test_song_files.moc"
