// The tumbling sprites: two gift boxes and the teddy bear. Each is drawn
// upright around the centre (16, 16) and kept within 14.5 px of it, so that
// turned by any angle it still fits its 32 x 32 picture with its outline.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artgen/Cutout.h"
#include "tools/artgen/Sprites.h"

namespace artgen {
namespace {

const QColor kLine(34, 20, 24);

QImage Turned(double turnDegrees, void (*draw)(QPainter&)) {
  QImage canvas = NewCanvas(32, 32);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(16, 16);
  p.rotate(turnDegrees);
  p.translate(-16, -16);
  draw(p);
  return canvas;
}

void Bow(QPainter& p, const QColor& colour, QPointF knot) {
  p.setPen(QPen(kLine, 1));
  p.setBrush(colour);
  QPainterPath loops;
  loops.moveTo(knot);
  loops.cubicTo(knot + QPointF(-7, -9), knot + QPointF(-10, -1), knot);
  loops.moveTo(knot);
  loops.cubicTo(knot + QPointF(7, -9), knot + QPointF(10, -1), knot);
  p.drawPath(loops);
  p.setBrush(colour.lighter(130));
  p.drawEllipse(knot, 2, 1.7);
}

void Box(QPainter& p, const QRectF& body, const QRectF& lid, const QColor& colour,
         const QColor& lidColour) {
  QLinearGradient shade(body.left(), 0, body.right(), 0);
  shade.setColorAt(0, colour.lighter(120));
  shade.setColorAt(1, colour.darker(130));
  p.setPen(QPen(kLine, 1));
  p.setBrush(shade);
  p.drawRect(body);
  QLinearGradient lidShade(lid.left(), 0, lid.right(), 0);
  lidShade.setColorAt(0, lidColour.lighter(120));
  lidShade.setColorAt(1, lidColour.darker(130));
  p.setBrush(lidShade);
  p.drawRect(lid);
}

void RedGift(QPainter& p) {
  const QRectF body(8.5, 14.5, 15, 12);
  const QRectF lid(7.5, 11.5, 17, 4);
  Box(p, body, lid, QColor(246, 204, 54), QColor(212, 40, 48));
  // Green ribbon down the middle, red bow on top.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 150, 70));
  p.drawRect(QRectF(14.5, 15, 3, 11));
  p.drawRect(QRectF(14.5, 12, 3, 3));
  p.setPen(QPen(QColor(210, 110, 30), 0.8));
  for (double y : {18.5, 22.5}) {
    p.drawLine(QPointF(9.5, y), QPointF(13.5, y));
    p.drawLine(QPointF(18.5, y), QPointF(22.5, y));
  }
  Bow(p, QColor(222, 36, 44), QPointF(16, 10.5));
}

void GreenGift(QPainter& p) {
  const QRectF body(8.5, 12.5, 15, 14);
  const QRectF lid(7.5, 10.5, 17, 4);
  Box(p, body, lid, QColor(44, 150, 76), QColor(58, 176, 92));
  const QColor ribbon(196, 226, 70);
  p.setPen(Qt::NoPen);
  p.setBrush(ribbon);
  p.drawRect(QRectF(14.5, 11, 3, 15));
  p.drawRect(QRectF(9, 18.5, 14, 3));
  Bow(p, ribbon, QPointF(16, 9.5));
}

void TeddyBear(QPainter& p) {
  const QColor fur(150, 92, 50);
  const QColor tan(222, 180, 130);
  const QColor pink(246, 156, 180);
  p.setPen(QPen(kLine, 1));
  // Legs and arms behind the body, with pink pads.
  p.setBrush(fur);
  for (const QPointF at : {QPointF(11.5, 25), QPointF(20.5, 25)}) p.drawEllipse(at, 3.4, 3.4);
  for (const QPointF at : {QPointF(8.6, 18.5), QPointF(23.4, 18.5)}) p.drawEllipse(at, 2.8, 3.4);
  p.setBrush(pink);
  for (const QPointF at : {QPointF(11.5, 26), QPointF(20.5, 26)}) p.drawEllipse(at, 1.8, 1.6);
  for (const QPointF at : {QPointF(8.2, 20), QPointF(23.8, 20)}) p.drawEllipse(at, 1.6, 1.5);

  QRadialGradient body(QPointF(14.5, 17), 9);
  body.setColorAt(0, fur.lighter(125));
  body.setColorAt(1, fur.darker(120));
  p.setBrush(body);
  p.drawEllipse(QPointF(16, 20), 6.2, 6.6);
  p.setPen(Qt::NoPen);
  p.setBrush(tan);
  p.drawEllipse(QPointF(16, 21.5), 3.4, 3.6);

  // Head: ears, face, muzzle, eyes, nose.
  p.setPen(QPen(kLine, 1));
  p.setBrush(fur);
  for (const QPointF at : {QPointF(10.8, 6.6), QPointF(21.2, 6.6)}) p.drawEllipse(at, 2.9, 2.9);
  p.setBrush(pink);
  for (const QPointF at : {QPointF(10.8, 6.6), QPointF(21.2, 6.6)}) p.drawEllipse(at, 1.5, 1.5);
  QRadialGradient head(QPointF(14.5, 9.5), 8);
  head.setColorAt(0, fur.lighter(130));
  head.setColorAt(1, fur.darker(115));
  p.setBrush(head);
  p.drawEllipse(QPointF(16, 11), 6.4, 5.8);
  p.setPen(Qt::NoPen);
  p.setBrush(tan);
  p.drawEllipse(QPointF(16, 13), 2.9, 2.2);
  p.setBrush(QColor(20, 12, 12));
  p.drawEllipse(QPointF(13.4, 10), 0.95, 1.05);
  p.drawEllipse(QPointF(18.6, 10), 0.95, 1.05);
  p.drawEllipse(QPointF(16, 12.3), 1.2, 0.85);
}

}  // namespace

QImage DrawRedGift(double turnDegrees) {
  return Turned(turnDegrees, RedGift);
}
QImage DrawGreenGift(double turnDegrees) {
  return Turned(turnDegrees, GreenGift);
}
QImage DrawTeddyBear(double turnDegrees) {
  return Turned(turnDegrees, TeddyBear);
}

}  // namespace artgen
