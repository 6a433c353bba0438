#pragma once
// Turns a drawing with soft edges into the two pictures a sprite is stamped
// with: the picture on pure black and its two-colour mask.
#include <QImage>

namespace artgen {

struct TSpritePair {
  QImage Picture;  // RGB32; black wherever the mask is white
  QImage Mask;     // RGB32; black where the sprite is opaque, white elsewhere
};

// A transparent ARGB canvas to draw a sprite on.
QImage NewCanvas(int width, int height);

// The one-pixel line around a sprite: a tone of its own, warmed by a share
// of the sprite's colours next to it, so a line around a light part is
// lighter than one around a dark part.
struct TOutline {
  QRgb Colour;
  double Pickup;  // 0: the tone alone; 1: the neighbours' colour alone
};
// A dark slate, like the scene's own lines: it reads on the white fur and
// on the night sky without looking pasted on.
inline constexpr TOutline kSlateOutline{0xff323a52, 0.22};
// Around sprites that give off light, a lighter, cooler line.
inline constexpr TOutline kLightOutline{0xff5a6c98, 0.3};

// The drawing's opaque part (alpha of at least one half) plus a one-pixel
// outline around it form the silhouette, so a sprite stays readable on
// light and dark ground alike. Pixels outside the silhouette become black.
TSpritePair CutOut(const QImage& drawing, const TOutline& outline = kSlateOutline);

// Exact pixel transforms, so the masks of turned and mirrored frames match
// pixel for pixel.
QImage TurnQuarterClockwise(const QImage& image, int quarters = 1);
QImage MirrorLeftRight(const QImage& image);
TSpritePair TurnQuarterClockwise(const TSpritePair& pair, int quarters);
TSpritePair MirrorLeftRight(const TSpritePair& pair);

}  // namespace artgen
