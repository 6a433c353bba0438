#pragma once
// Small drawing helpers shared by the scene, the sprites and the icons.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace artgen {

// A star with `points` tips, the first pointing up after `turnDegrees`.
QPainterPath StarPath(QPointF centre, double outer, double inner, int points,
                      double turnDegrees = 0);

// A four-pointed glint of light: thin rays and a bright core.
void DrawGlint(QPainter& p, QPointF centre, double size, const QColor& colour);

// A shiny round bauble with a highlight and a small gold cap.
void DrawBauble(QPainter& p, QPointF centre, double radius, const QColor& colour);

// A holly leaf pointing along `angleDegrees` from its stem at `stem`.
void DrawHollyLeaf(QPainter& p, QPointF stem, double length, double angleDegrees);

// Deterministic pseudo-random numbers, so the art is the same on every run.
class TLcg {
 public:
  explicit TLcg(quint32 seed) : state_(seed) {}
  double Next();  // in [0, 1)

 private:
  quint32 state_;
};

QColor Mix(const QColor& a, const QColor& b, double t);

}  // namespace artgen
