#include "platform/Canvas.h"

#include <algorithm>
#include <cstring>

namespace {

using Pixel = std::uint32_t;

void CopyRow(Pixel* dst, const Pixel* src, int count) {
  std::memcpy(dst, src, static_cast<std::size_t>(count) * sizeof(Pixel));
}

void AndRow(Pixel* dst, const Pixel* src, int count) {
  for (int i = 0; i < count; ++i) dst[i] &= src[i];
}

void OrRow(Pixel* dst, const Pixel* src, int count) {
  for (int i = 0; i < count; ++i) dst[i] |= src[i];
}

using RowOperation = void (*)(Pixel*, const Pixel*, int);

RowOperation RowOperationFor(TCopyMode mode) {
  switch (mode) {
    case TCopyMode::cmSrcAnd:
      return AndRow;
    case TCopyMode::cmSrcPaint:
      return OrRow;
    case TCopyMode::cmSrcCopy:
      break;
  }
  return CopyRow;
}

}  // namespace

TCanvas::TCanvas(QImage& surface) : surface_(surface) {
  Q_ASSERT(surface.format() == QImage::Format_RGB32);
}

void TCanvas::Draw(int x, int y, const QImage& picture) {
  Q_ASSERT(picture.format() == QImage::Format_RGB32);
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = std::min(x + picture.width(), surface_.width());
  const int bottom = std::min(y + picture.height(), surface_.height());
  if (left >= right || top >= bottom) return;

  const RowOperation apply = RowOperationFor(CopyMode);
  const int width = right - left;
  for (int row = top; row < bottom; ++row) {
    auto* dst = reinterpret_cast<Pixel*>(surface_.scanLine(row)) + left;
    const auto* src = reinterpret_cast<const Pixel*>(picture.constScanLine(row - y)) + (left - x);
    apply(dst, src, width);
  }
}
