#include "tools/artgen/BitmapWriter.h"

namespace artgen {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelsPerMetre = 2835;  // 72 dots per inch
constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;

class TByteSink {
 public:
  void U8(int v) { bytes_.append(static_cast<char>(v & 0xff)); }
  void U16(int v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(qint64 v) {
    U16(static_cast<int>(v & 0xffff));
    U16(static_cast<int>((v >> 16) & 0xffff));
  }
  void Pad(int count) { bytes_.append(count, '\0'); }
  const QByteArray& Bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

int RowStride(int width, int bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 32) * 4;
}

// The 40-byte information header. `heightInHeader` is positive, so rows are
// stored bottom-up; icons double it for their AND mask.
void InfoHeader(TByteSink& out, int width, int heightInHeader, int bitsPerPixel, int imageBytes,
                int coloursUsed) {
  out.U32(kInfoHeaderSize);
  out.U32(width);
  out.U32(heightInHeader);
  out.U16(1);
  out.U16(bitsPerPixel);
  out.U32(0);  // no compression
  out.U32(imageBytes);
  out.U32(kPixelsPerMetre);
  out.U32(kPixelsPerMetre);
  out.U32(coloursUsed);
  out.U32(0);
}

void ColourTable(TByteSink& out, const QRgb* colours, int count) {
  for (int i = 0; i < count; ++i) {
    out.U8(qBlue(colours[i]));
    out.U8(qGreen(colours[i]));
    out.U8(qRed(colours[i]));
    out.U8(0);
  }
}

void IndexedRows(TByteSink& out, const TIndexedImage& image) {
  const int padding = RowStride(image.Width, 8) - image.Width;
  for (int y = image.Height - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width; ++x) out.U8(image.At(x, y));
    out.Pad(padding);
  }
}

// One bit per pixel, most significant bit first, rows bottom-up.
template <typename BitAt>
void MonochromeRows(TByteSink& out, int width, int height, BitAt bitAt) {
  const int stride = RowStride(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    for (int byte = 0; byte < stride; ++byte) {
      int value = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = byte * 8 + bit;
        if (x < width && bitAt(x, y)) value |= 0x80 >> bit;
      }
      out.U8(value);
    }
  }
}

void FileHeader(TByteSink& out, int fileSize, int pixelOffset) {
  out.U8('B');
  out.U8('M');
  out.U32(fileSize);
  out.U32(0);
  out.U32(pixelOffset);
}

// Icon and cursor files share their layout: a directory with one entry, then
// the image as a headerless bitmap whose height counts the AND mask too.
void IconDirectory(TByteSink& out, int type, int width, int height, int colourCount,
                   int planesOrHotX, int bitsOrHotY, int imageBytes) {
  out.U16(0);
  out.U16(type);
  out.U16(1);
  out.U8(width);
  out.U8(height);
  out.U8(colourCount);
  out.U8(0);
  out.U16(planesOrHotX);
  out.U16(bitsOrHotY);
  out.U32(imageBytes);
  out.U32(kIconDirSize + kIconDirEntrySize);
}

}  // namespace

QByteArray EncodeBmp8(const TIndexedImage& image, const TPalette& palette) {
  const int imageBytes = RowStride(image.Width, 8) * image.Height;
  const int pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize * 4;
  TByteSink out;
  FileHeader(out, pixelOffset + imageBytes, pixelOffset);
  InfoHeader(out, image.Width, image.Height, 8, imageBytes, kPaletteSize);
  ColourTable(out, palette.data(), kPaletteSize);
  IndexedRows(out, image);
  return out.Bytes();
}

QByteArray EncodeBmp24(const QImage& image) {
  const int stride = RowStride(image.width(), 24);
  const int imageBytes = stride * image.height();
  const int pixelOffset = kFileHeaderSize + kInfoHeaderSize;
  TByteSink out;
  FileHeader(out, pixelOffset + imageBytes, pixelOffset);
  InfoHeader(out, image.width(), image.height(), 24, imageBytes, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      out.U8(qBlue(c));
      out.U8(qGreen(c));
      out.U8(qRed(c));
    }
    out.Pad(stride - image.width() * 3);
  }
  return out.Bytes();
}

QByteArray EncodeIco8(const TIndexedImage& image, const TPalette& palette) {
  const int maskBytes = RowStride(image.Width, 1) * image.Height;
  const int pixelBytes = RowStride(image.Width, 8) * image.Height;
  const int imageBytes = kInfoHeaderSize + kPaletteSize * 4 + pixelBytes + maskBytes;
  TByteSink out;
  IconDirectory(out, 1, image.Width, image.Height, 0, 1, 8, imageBytes);
  InfoHeader(out, image.Width, image.Height * 2, 8, pixelBytes + maskBytes, 0);
  ColourTable(out, palette.data(), kPaletteSize);
  IndexedRows(out, image);
  MonochromeRows(out, image.Width, image.Height, [](int, int) { return false; });
  return out.Bytes();
}

QByteArray EncodeCur1(const QImage& shape, QPoint hotSpot) {
  const int w = shape.width();
  const int h = shape.height();
  const int planeBytes = RowStride(w, 1) * h;
  const int imageBytes = kInfoHeaderSize + 2 * 4 + 2 * planeBytes;
  auto opaque = [&](int x, int y) { return qAlpha(shape.pixel(x, y)) >= 128; };
  auto white = [&](int x, int y) { return opaque(x, y) && qGray(shape.pixel(x, y)) >= 128; };
  TByteSink out;
  IconDirectory(out, 2, w, h, 2, hotSpot.x(), hotSpot.y(), imageBytes);
  InfoHeader(out, w, h * 2, 1, 2 * planeBytes, 0);
  const QRgb colours[2] = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  ColourTable(out, colours, 2);
  MonochromeRows(out, w, h, white);
  MonochromeRows(out, w, h, [&](int x, int y) { return !opaque(x, y); });
  return out.Bytes();
}

}  // namespace artgen
