#include "tests/music/WavFixture.h"

#include <QFile>
#include <QtGlobal>

namespace {

void Put16(QByteArray& out, std::uint32_t value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

QByteArray WavBytes(const TWavLayout& layout, const QByteArray& data) {
  const std::uint16_t blockAlign =
      layout.BlockAlign ? layout.BlockAlign
                        : static_cast<std::uint16_t>(layout.Channels * layout.Bits / 8);
  QByteArray fmt;
  Put16(fmt, layout.Tag);
  Put16(fmt, layout.Channels);
  Put32(fmt, layout.Rate);
  Put32(fmt, layout.Rate * blockAlign);
  Put16(fmt, blockAlign);
  Put16(fmt, layout.Bits);
  fmt.append(layout.FmtExtra);

  QByteArray body = layout.Form;
  body.append("fmt ");
  Put32(body, static_cast<std::uint32_t>(fmt.size()));
  body.append(fmt);
  body.append("data");
  Put32(body, layout.DeclaredDataBytes.value_or(static_cast<std::uint32_t>(data.size())));
  body.append(data);
  if (data.size() % 2) body.append('\0');

  QByteArray wav = "RIFF";
  Put32(wav, static_cast<std::uint32_t>(body.size()));
  return wav + body;
}

QByteArray Pcm16(const std::vector<std::int16_t>& samples) {
  QByteArray out;
  for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

std::vector<std::int16_t> AudibleSamples(int count) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < count; ++i)
    samples.push_back(static_cast<std::int16_t>(100 + (i * 37) % 20000));
  return samples;
}

QByteArray SongWav(int milliseconds) {
  return WavBytes({}, Pcm16(AudibleSamples(8 * milliseconds)));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
}
