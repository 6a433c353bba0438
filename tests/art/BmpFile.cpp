#include "tests/art/BmpFile.h"

#include <QFile>
#include <QtEndian>

namespace {

int U16(const QByteArray& b, int at) {
  return qFromLittleEndian<quint16>(b.constData() + at);
}
int S32(const QByteArray& b, int at) {
  return qFromLittleEndian<qint32>(b.constData() + at);
}

}  // namespace

TBmpFile ReadBmpFile(const QByteArray& bytes) {
  TBmpFile bmp;
  if (bytes.size() < 54) return bmp;
  bmp.FileHeaderMagic = U16(bytes, 0);
  const int pixelOffset = S32(bytes, 10);
  bmp.InfoHeaderSize = S32(bytes, 14);
  bmp.Width = S32(bytes, 18);
  bmp.Height = S32(bytes, 22);
  bmp.BitCount = U16(bytes, 28);
  bmp.Compression = S32(bytes, 30);
  const int tableStart = 14 + bmp.InfoHeaderSize;
  for (int at = tableStart; at + 4 <= pixelOffset; at += 4) {
    const auto* e = reinterpret_cast<const uchar*>(bytes.constData() + at);
    bmp.ColourTable.append(qRgb(e[2], e[1], e[0]));
  }
  bmp.Pixels = bytes.mid(pixelOffset);
  const int stride = ((bmp.Width * bmp.BitCount + 31) / 32) * 4;
  bmp.Valid = pixelOffset <= bytes.size() && bmp.Pixels.size() == stride * bmp.Height;
  return bmp;
}

int TBmpFile::IndexAt(int x, int y) const {
  const int stride = ((Width + 3) / 4) * 4;
  return static_cast<uchar>(Pixels[(Height - 1 - y) * stride + x]);
}

QByteArray ResourceBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
