#include "animation/Pictures.h"

#include <QFile>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

namespace {

// biBitCount sits 28 bytes into a BMP: 14 bytes of file header, then 14 of
// the information header before it.
constexpr int kBitCountOffset = 28;

[[noreturn]] void MissingPicture(const QString& name) {
  std::fprintf(stderr, "yukipom: built-in picture %s is missing\n", qPrintable(name));
  std::abort();
}

}  // namespace

TPicture LoadPicture(const QString& name) {
  QFile file(QStringLiteral(":/assets/%1.bmp").arg(name));
  if (!file.open(QIODevice::ReadOnly)) MissingPicture(name);
  const QByteArray bytes = file.readAll();
  QImage image;
  if (bytes.size() < kBitCountOffset + 2 || !image.loadFromData(bytes, "BMP")) MissingPicture(name);

  TPicture picture;
  picture.Name = name;
  picture.Depth = qFromLittleEndian<quint16>(bytes.constData() + kBitCountOffset);
  picture.Palette = image.colorTable();
  picture.Bitmap = image.convertToFormat(QImage::Format_RGB32);
  return picture;
}
