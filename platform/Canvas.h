#pragma once
// A drawing surface with a copy mode used as the raster operation: pictures
// are drawn unscaled with their top-left corner at a point, combined with
// what is there by copy, AND or OR on the colour values, and clipped to the
// surface.
#include <QImage>
#include <cstdint>

namespace platform {

enum class TCopyMode : std::uint32_t {
  cmSrcCopy = 0x00CC0020,   // the source replaces the destination
  cmSrcAnd = 0x008800C6,    // destination := destination AND source
  cmSrcPaint = 0x00EE0086,  // destination := destination OR source
};

class TCanvas {
 public:
  // `surface` must be QImage::Format_RGB32 and outlive the canvas.
  explicit TCanvas(QImage& surface);

  TCopyMode CopyMode = TCopyMode::cmSrcCopy;

  // Draws `picture` (Format_RGB32) with its top-left corner at (x, y).
  void Draw(int x, int y, const QImage& picture);

 private:
  QImage& surface_;
};

}  // namespace platform
