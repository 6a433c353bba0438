#pragma once
// Byte-exact writers for the picture, icon and cursor files. The headers are
// written field by field so every file has the classic uncompressed layout:
// a 14-byte file header, a 40-byte information header, bottom-up rows.
#include <QByteArray>
#include <QImage>
#include <QPoint>

#include "tools/artgen/Palette.h"

namespace artgen {

// An 8-bit picture: one palette index per pixel, rows top-down in memory.
struct TIndexedImage {
  int Width = 0;
  int Height = 0;
  std::vector<quint8> Indices;  // Width * Height
  quint8 At(int x, int y) const { return Indices[static_cast<size_t>(y * Width + x)]; }
};

QByteArray EncodeBmp8(const TIndexedImage& image, const TPalette& palette);
QByteArray EncodeBmp24(const QImage& image);

// A single-image 8-bit icon, fully opaque (all-zero AND mask).
QByteArray EncodeIco8(const TIndexedImage& image, const TPalette& palette);

// A single-image monochrome cursor. `shape` is ARGB: transparent pixels form
// the surround, opaque ones are drawn black or white (whichever is nearer).
QByteArray EncodeCur1(const QImage& shape, QPoint hotSpot);

}  // namespace artgen
