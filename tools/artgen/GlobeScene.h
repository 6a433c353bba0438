#pragma once
// The snow-globe scene that fills the window and stands behind every sprite.
#include <QImage>
#include <QPointF>

namespace artgen {

inline constexpr int kGlobeWidth = 298;
inline constexpr int kGlobeHeight = 369;
// The inside of the glass, where the sprites fly.
inline constexpr QPointF kGlassCentre{148, 150};
inline constexpr double kGlassRadius = 135;

// Opaque RGB32 picture of the whole scene.
QImage DrawGlobeScene();

// The figure's head in its cap, drawn around (148, 130) at the scene's
// scale; the application icon reuses it.
void DrawFigureHead(class QPainter& p);

}  // namespace artgen
