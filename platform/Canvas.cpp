#include "platform/Canvas.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

using Pixel = std::uint32_t;

// The part of a picture drawn at (x, y) that lands on the surface.
struct TClip {
  int left, top, right, bottom;
  bool Empty() const { return left >= right || top >= bottom; }
};

TClip ClipTo(const QImage& surface, int x, int y, const QImage& picture) {
  return {std::max(x, 0), std::max(y, 0), std::min(x + picture.width(), surface.width()),
          std::min(y + picture.height(), surface.height())};
}

// Applies `combine` to every row of the clipped area. The row pointers are
// computed once, so a small sprite costs little more than its pixels.
template <typename RowCombine>
void CombineRows(QImage& surface, const QImage& picture, int x, int y, const TClip& clip,
                 RowCombine combine) {
  const qsizetype dstStride = surface.bytesPerLine();
  const qsizetype srcStride = picture.bytesPerLine();
  uchar* dst = surface.bits() + clip.top * dstStride + clip.left * qsizetype(sizeof(Pixel));
  const uchar* src =
      picture.constBits() + (clip.top - y) * srcStride + (clip.left - x) * qsizetype(sizeof(Pixel));
  const int width = clip.right - clip.left;
  for (int row = clip.top; row < clip.bottom; ++row, dst += dstStride, src += srcStride) {
    combine(reinterpret_cast<Pixel*>(dst), reinterpret_cast<const Pixel*>(src), width);
  }
}

void CopyRow(Pixel* dst, const Pixel* src, int count) {
  std::memcpy(dst, src, static_cast<std::size_t>(count) * sizeof(Pixel));
}

void AndRow(Pixel* __restrict dst, const Pixel* __restrict src, int count) {
  for (int i = 0; i < count; ++i) dst[i] &= src[i];
}

void OrRow(Pixel* __restrict dst, const Pixel* __restrict src, int count) {
  for (int i = 0; i < count; ++i) dst[i] |= src[i];
}

}  // namespace

TCanvas::TCanvas(QImage& surface) : surface_(surface) {
  Q_ASSERT(surface.format() == QImage::Format_RGB32);
}

void TCanvas::Draw(int x, int y, const QImage& picture) {
  Q_ASSERT(picture.format() == QImage::Format_RGB32);
  const TClip clip = ClipTo(surface_, x, y, picture);
  if (clip.Empty()) return;
  switch (CopyMode) {
    case TCopyMode::cmSrcAnd:
      CombineRows(surface_, picture, x, y, clip, AndRow);
      break;
    case TCopyMode::cmSrcPaint:
      CombineRows(surface_, picture, x, y, clip, OrRow);
      break;
    case TCopyMode::cmSrcCopy:
      CombineRows(surface_, picture, x, y, clip, CopyRow);
      break;
  }
}

}  // namespace platform
