// The sprites made of light: the orb, the sparkles and the girl in white.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artgen/Cutout.h"
#include "tools/artgen/Shapes.h"
#include "tools/artgen/Sprites.h"

namespace artgen {

// A ball of light: a hot white core that falls off through pale blue-white
// to a dim blue glow at the rim, cool enough to stand out on white fur.
QImage DrawOrb() {
  QImage canvas = NewCanvas(24, 24);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(12, 12);
  QRadialGradient light(centre, 11);
  light.setColorAt(0, QColor(255, 255, 255));
  light.setColorAt(0.3, QColor(255, 255, 255));
  light.setColorAt(0.55, QColor(232, 242, 255));
  light.setColorAt(0.8, QColor(174, 204, 248));
  light.setColorAt(1, QColor(112, 146, 218));
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  p.drawEllipse(centre, 10.8, 10.8);
  // A small glint up and to the left.
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawEllipse(QPointF(8.6, 8.4), 1.3, 1.1);
  return canvas;
}

QImage DrawSparkle(const QColor& core) {
  QImage canvas = NewCanvas(25, 25);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(12.5, 12.5);
  p.setPen(Qt::NoPen);
  // Long rays up, down and sideways, short ones on the diagonals.
  QRadialGradient rays(centre, 11.5);
  rays.setColorAt(0, Qt::white);
  rays.setColorAt(0.5, Mix(core, Qt::white, 0.55));
  rays.setColorAt(1, Mix(core, QColor(40, 40, 70), 0.3));
  p.setBrush(rays);
  p.drawPath(StarPath(centre, 11.4, 2.4, 4));
  p.drawPath(StarPath(centre, 7.2, 2.2, 4, 45));
  QRadialGradient heart(centre, 5.2);
  heart.setColorAt(0, Qt::white);
  heart.setColorAt(0.45, core.lighter(130));
  heart.setColorAt(1, core);
  p.setBrush(heart);
  p.drawEllipse(centre, 4.4, 4.4);
  return canvas;
}

QImage DrawGirl() {
  QImage canvas = NewCanvas(45, 57);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor line(60, 62, 96);

  // A halo of light floating above her head: a bright ring seen a little
  // from above, the sky showing through its middle.
  QLinearGradient ring(0, 2, 0, 10);
  ring.setColorAt(0, QColor(255, 250, 214));
  ring.setColorAt(1, QColor(255, 214, 110));
  p.setPen(QPen(QBrush(ring), 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(22.5, 5.8), 8.2, 3.3);
  p.setPen(QPen(QColor(255, 255, 240), 0.9));
  p.drawArc(QRectF(14.3, 2.5, 16.4, 6.6), 200 * 16, 140 * 16);

  // Sleeves first, so the dress covers their roots.
  p.setPen(QPen(line, 1));
  p.setBrush(QColor(236, 240, 252));
  QPainterPath sleeves;
  sleeves.moveTo(16, 26);
  sleeves.cubicTo(10, 30, 6, 36, 4, 41);
  sleeves.lineTo(9, 43);
  sleeves.cubicTo(12, 38, 15, 34, 18, 32);
  sleeves.moveTo(29, 26);
  sleeves.cubicTo(35, 30, 39, 36, 41, 41);
  sleeves.lineTo(36, 43);
  sleeves.cubicTo(33, 38, 30, 34, 27, 32);
  p.drawPath(sleeves);
  p.setBrush(QColor(246, 210, 182));
  p.drawEllipse(QPointF(6.2, 43), 2.4, 2.4);
  p.drawEllipse(QPointF(38.8, 43), 2.4, 2.4);

  QPainterPath dress;
  dress.moveTo(18, 24);
  dress.lineTo(27, 24);
  dress.cubicTo(30, 34, 36, 44, 40, 53);
  dress.cubicTo(30, 56, 15, 56, 5, 53);
  dress.cubicTo(9, 44, 15, 34, 18, 24);
  QLinearGradient cloth(8, 0, 38, 0);
  cloth.setColorAt(0, QColor(210, 218, 240));
  cloth.setColorAt(0.4, QColor(255, 255, 255));
  cloth.setColorAt(1, QColor(196, 204, 232));
  p.setBrush(cloth);
  p.drawPath(dress);
  p.setPen(QPen(QColor(176, 186, 220), 1));
  p.drawLine(QPointF(20, 34), QPointF(15, 52));
  p.drawLine(QPointF(25, 34), QPointF(30, 52));
  p.setPen(QPen(QColor(230, 190, 90), 1.4));
  p.drawLine(QPointF(17.6, 29), QPointF(27.4, 29));

  // Head with dark hair falling to the shoulders.
  p.setPen(QPen(line, 1));
  p.setBrush(QColor(70, 46, 40));
  p.drawEllipse(QPointF(22.5, 18.5), 7.5, 8);
  p.setBrush(QColor(248, 216, 190));
  p.drawEllipse(QPointF(22.5, 19.5), 5.4, 5.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 46, 40));
  QPainterPath fringe;
  fringe.moveTo(16.6, 18);
  fringe.cubicTo(17, 12, 28, 12, 28.4, 18);
  fringe.cubicTo(25, 15, 20, 15, 16.6, 18);
  p.drawPath(fringe);
  p.setBrush(QColor(20, 16, 30));
  p.drawEllipse(QPointF(20.4, 20), 0.9, 1.1);
  p.drawEllipse(QPointF(24.6, 20), 0.9, 1.1);
  p.setBrush(QColor(240, 140, 140, 180));
  p.drawEllipse(QPointF(19, 22.3), 1.3, 0.9);
  p.drawEllipse(QPointF(26, 22.3), 1.3, 0.9);
  return canvas;
}

}  // namespace artgen
