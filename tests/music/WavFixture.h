#pragma once
// Small WAV files made on the spot, well-formed or deliberately broken.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

struct TWavLayout {
  std::uint16_t Tag = 1;  // PCM
  std::uint16_t Channels = 1;
  std::uint32_t Rate = 8000;
  std::uint16_t Bits = 16;
  std::uint16_t BlockAlign = 0;  // 0: Channels * Bits / 8
  QByteArray FmtExtra{};         // bytes after the 16 plain fmt bytes (with their size field)
  QByteArray Form = "WAVE";
  std::optional<std::uint32_t> DeclaredDataBytes{};  // default: the real size
};

QByteArray WavBytes(const TWavLayout& layout, const QByteArray& data);

// Little-endian 16-bit samples.
QByteArray Pcm16(const std::vector<std::int16_t>& samples);
// `count` samples of a sawtooth that never touches zero, so that the song
// can be told apart from the silence around it.
std::vector<std::int16_t> AudibleSamples(int count);
// A 16-bit mono song at 8000 Hz of the given length.
QByteArray SongWav(int milliseconds);

void WriteFile(const QString& path, const QByteArray& bytes);
