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

// The drawing's opaque part (alpha of at least one half) plus a one-pixel
// dark outline around it form the silhouette, so a sprite stays readable on
// light and dark ground alike. Pixels outside the silhouette become black.
TSpritePair CutOut(const QImage& drawing);

// Exact pixel transforms, so the masks of turned and mirrored frames match
// pixel for pixel.
QImage TurnQuarterClockwise(const QImage& image, int quarters = 1);
QImage MirrorLeftRight(const QImage& image);
TSpritePair TurnQuarterClockwise(const TSpritePair& pair, int quarters);
TSpritePair MirrorLeftRight(const TSpritePair& pair);

}  // namespace artgen
