#pragma once
// Reads the raw fields of a bitmap file, so tests can check what the file
// holds (header sizes, row order, indices) rather than what a decoder makes
// of it.
#include <QByteArray>
#include <QList>
#include <QRgb>

struct TBmpFile {
  bool Valid = false;
  int FileHeaderMagic = 0;  // 'BM'
  int InfoHeaderSize = 0;
  int Width = 0;
  int Height = 0;  // positive: rows stored bottom-up
  int BitCount = 0;
  int Compression = 0;
  QList<QRgb> ColourTable;
  QByteArray Pixels;  // the stored rows, padding included

  // The palette index at (x, y) of an 8-bit picture, y counted from the top.
  int IndexAt(int x, int y) const;
};

TBmpFile ReadBmpFile(const QByteArray& bytes);
QByteArray ResourceBytes(const QString& path);
