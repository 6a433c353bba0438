#pragma once
// The application icon, the About window's wreath and the hand cursor.
#include <QImage>
#include <QPoint>

namespace artgen {

inline constexpr int kIconSize = 32;
inline constexpr QPoint kCursorHotSpot{15, 2};  // the tip of the raised finger

QImage DrawMainIcon();  // opaque RGB32: the globe's figure's head on black

// Paints the main icon's figure, the head, to fill a square `side` pixels
// wide at the painter's origin, over whatever is there.
void DrawMainIconFigure(class QPainter& p, double side);
QImage DrawWreathIcon();  // opaque RGB32: a Christmas wreath on black
QImage DrawHandCursor();  // ARGB32: white hand, black outline, transparent around

}  // namespace artgen
