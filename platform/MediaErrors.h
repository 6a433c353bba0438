#pragma once
// The texts of the media player's device errors, as the user reads them.
#include <QString>

namespace platform::media_errors {

inline const QString kUnknown = QStringLiteral("原因不明のｴﾗｰ");
inline const QString kNoDevice = QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません");
inline const QString kCannotRead = QStringLiteral("曲のファイルを読み込めません。");
inline const QString kNotWav = QStringLiteral("曲のファイルが WAV 形式ではありません。");
inline const QString kNotWave =
    QStringLiteral("曲のファイルは RIFF 形式ですが、WAVE 音声ではありません。");
inline const QString kBrokenHeader = QStringLiteral("WAV ファイルのヘッダーが壊れています。");
inline const QString kTruncated = QStringLiteral("WAV ファイルが途中で切れています。");
inline const QString kUnsupported =
    QStringLiteral("この WAV ファイルの符号化形式には対応していません。");
inline const QString kNoAudioData = QStringLiteral("WAV ファイルに音声データがありません。");
inline const QString kBrokenData = QStringLiteral("WAV ファイルの音声データが壊れています。");
inline const QString kTooLarge =
    QStringLiteral("曲のファイルが大きすぎるため、メモリーに読み込めません。");
inline const QString kOutOfMemory = QStringLiteral("曲を読み込むためのメモリーが足りません。");
inline const QString kChannelCount =
    QStringLiteral("曲のﾁｬﾝﾈﾙ数には対応していません (1～8 ﾁｬﾝﾈﾙまで)。");
inline const QString kSampleRate =
    QStringLiteral("曲のｻﾝﾌﾟﾘﾝｸﾞ ﾚｰﾄには対応していません (1000～384000 Hz まで)。");
inline const QString kNoDataChunk =
    QStringLiteral("WAV ﾌｧｲﾙのﾁｬﾝｸが多すぎて、音声ﾃﾞｰﾀが見つかりません。");
inline const QString kNoAudioOutput = QStringLiteral("使用できるオーディオ デバイスがありません。");

}  // namespace platform::media_errors
