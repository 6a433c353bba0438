#include "tools/artgen/Cutout.h"

namespace artgen {
namespace {

constexpr int kOpaqueAlpha = 128;

bool Opaque(const QImage& drawing, int x, int y) {
  return x >= 0 && y >= 0 && x < drawing.width() && y < drawing.height() &&
         qAlpha(drawing.pixel(x, y)) >= kOpaqueAlpha;
}

bool TouchesOpaque(const QImage& drawing, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (Opaque(drawing, x + dx, y + dy)) return true;
  return false;
}

int Blend(int from, int to, double t) {
  return static_cast<int>(from + (to - from) * t + 0.5);
}

// The outline's tone at (x, y): its colour mixed with the mean colour of the
// opaque pixels around.
QRgb OutlineAt(const QImage& drawing, int x, int y, const TOutline& outline) {
  int r = 0, g = 0, b = 0, n = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (Opaque(drawing, x + dx, y + dy)) {
        const QRgb c = drawing.pixel(x + dx, y + dy);
        r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
      }
  const QRgb tone = outline.Colour;
  return qRgb(Blend(qRed(tone), r / n, outline.Pickup), Blend(qGreen(tone), g / n, outline.Pickup),
              Blend(qBlue(tone), b / n, outline.Pickup));
}

// The drawing's colour laid over the outline, so soft edges blend into the
// outline instead of fading to a fringe.
QRgb OverOutline(QRgb argb, QRgb outline) {
  const double a = qAlpha(argb) / 255.0;
  return qRgb(Blend(qRed(outline), qRed(argb), a), Blend(qGreen(outline), qGreen(argb), a),
              Blend(qBlue(outline), qBlue(argb), a));
}

}  // namespace

QImage NewCanvas(int width, int height) {
  QImage canvas(width, height, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  return canvas;
}

TSpritePair CutOut(const QImage& drawing, const TOutline& outline) {
  // pixel() on a premultiplied format would round; read straight ARGB.
  const QImage argb = drawing.convertToFormat(QImage::Format_ARGB32);
  TSpritePair pair{QImage(argb.size(), QImage::Format_RGB32),
                   QImage(argb.size(), QImage::Format_RGB32)};
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const bool inside = TouchesOpaque(argb, x, y);
      pair.Mask.setPixel(x, y, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
      pair.Picture.setPixel(
          x, y,
          inside ? OverOutline(argb.pixel(x, y), OutlineAt(argb, x, y, outline)) : qRgb(0, 0, 0));
    }
  }
  return pair;
}

QImage TurnQuarterClockwise(const QImage& image, int quarters) {
  QImage turned = image;
  for (int q = 0; q < quarters % 4; ++q) {
    QImage next(turned.height(), turned.width(), turned.format());
    for (int y = 0; y < turned.height(); ++y)
      for (int x = 0; x < turned.width(); ++x)
        next.setPixel(turned.height() - 1 - y, x, turned.pixel(x, y));
    turned = next;
  }
  return turned;
}

QImage MirrorLeftRight(const QImage& image) {
  QImage mirrored(image.size(), image.format());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      mirrored.setPixel(image.width() - 1 - x, y, image.pixel(x, y));
  return mirrored;
}

TSpritePair TurnQuarterClockwise(const TSpritePair& pair, int quarters) {
  return {TurnQuarterClockwise(pair.Picture, quarters), TurnQuarterClockwise(pair.Mask, quarters)};
}

TSpritePair MirrorLeftRight(const TSpritePair& pair) {
  return {MirrorLeftRight(pair.Picture), MirrorLeftRight(pair.Mask)};
}

}  // namespace artgen
