// The reindeer and sleigh, heading left. The reins run low, leaving the
// space above them between the reindeer and the sleigh empty: both sleigh
// hot spots fall into that gap.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artgen/Cutout.h"
#include "tools/artgen/Sprites.h"

namespace artgen {
namespace {

const QColor kLine(30, 18, 20);
const QColor kDeer(160, 104, 62);
const QColor kAntler(226, 196, 140);
const QColor kGold(236, 196, 80);
const QColor kRed(204, 34, 44);
const QColor kFur(240, 242, 250);

void Leg(QPainter& p, QPointF hip, QPointF hoof) {
  p.setPen(QPen(kLine, 4.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(hip, hoof);
  p.setPen(QPen(kDeer.darker(115), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(hip, hoof);
}

void Antler(QPainter& p, double mirror) {
  QPainterPath antler;
  antler.moveTo(9, 13);
  antler.cubicTo(8 + 2 * mirror, 9, 7 + 4 * mirror, 6, 6 + 6 * mirror, 2.5);
  antler.moveTo(8.6 + 0.6 * mirror, 9.6);
  antler.lineTo(5 + 4 * mirror, 7);
  antler.moveTo(8.4 + 2.2 * mirror, 6.5);
  antler.lineTo(11 + 2.6 * mirror, 4.5);
  p.setPen(QPen(kLine, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(antler);
  p.setPen(QPen(kAntler, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(antler);
}

void Reindeer(QPainter& p) {
  Antler(p, 0);
  Antler(p, 1);
  Leg(p, {28, 30}, {37, 38});
  Leg(p, {16, 30}, {6, 38});
  Leg(p, {31, 30}, {35, 41});
  Leg(p, {18, 31}, {11, 41});

  p.setPen(QPen(kLine, 1));
  QLinearGradient coat(0, 20, 0, 34);
  coat.setColorAt(0, kDeer.lighter(120));
  coat.setColorAt(1, kDeer.darker(125));
  p.setBrush(coat);
  QPainterPath neck;
  neck.moveTo(12, 27);
  neck.lineTo(6, 18);
  neck.lineTo(12, 15);
  neck.lineTo(18, 24);
  p.drawPath(neck);
  p.drawEllipse(QPointF(23.5, 27), 11.5, 6);
  p.drawEllipse(QPointF(7.5, 16.5), 5.2, 3.6);
  p.drawEllipse(QPointF(12, 12.5), 2, 1.4);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 40, 40));
  p.drawEllipse(QPointF(2.6, 17.4), 1.8, 1.8);
  p.setBrush(QColor(14, 10, 10));
  p.drawEllipse(QPointF(8.2, 15.4), 0.9, 0.9);
  p.setBrush(kFur);
  p.drawEllipse(QPointF(34.6, 24.4), 1.8, 1.4);

  // Harness: a red strap with a golden bell.
  p.setPen(QPen(kRed, 2.2));
  p.drawLine(QPointF(17, 21.5), QPointF(15.5, 32));
  p.setPen(QPen(kLine, 0.8));
  p.setBrush(kGold);
  p.drawEllipse(QPointF(15.6, 33.4), 1.8, 1.8);
}

void Reins(QPainter& p) {
  QPainterPath reins;
  reins.moveTo(17, 27);
  reins.cubicTo(36, 34, 52, 34, 66, 27);
  p.setPen(QPen(kLine, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(reins);
  p.setPen(QPen(kGold, 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(reins);
}

void Sack(QPainter& p) {
  QPainterPath sack;
  sack.moveTo(80, 27);
  sack.cubicTo(75, 20, 78, 10, 86, 7);
  sack.lineTo(84, 3.5);
  sack.lineTo(91, 3.5);
  sack.lineTo(89.5, 7);
  sack.cubicTo(97, 10, 99, 20, 95, 27);
  sack.closeSubpath();
  QRadialGradient cloth(QPointF(84, 12), 18);
  cloth.setColorAt(0, Qt::white);
  cloth.setColorAt(1, QColor(176, 184, 210));
  p.setPen(QPen(kLine, 1));
  p.setBrush(cloth);
  p.drawPath(sack);
  p.setPen(QPen(kRed, 1.4));
  p.drawLine(QPointF(85.5, 7.2), QPointF(90, 7.2));
}

void Rider(QPainter& p) {
  p.setPen(QPen(kLine, 1));
  p.setBrush(kRed);
  p.drawRoundedRect(QRectF(66, 16, 11, 13), 4, 4);
  // Arms reaching forward for the reins.
  p.setPen(QPen(kLine, 3.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(69, 20), QPointF(65.5, 26));
  p.setPen(QPen(kRed, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(69, 20), QPointF(65.5, 26));
  p.setPen(QPen(kLine, 1));
  p.setBrush(QColor(248, 210, 180));
  p.drawEllipse(QPointF(70.5, 12), 3.8, 3.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 12, 12));
  p.drawEllipse(QPointF(68.6, 11.6), 0.8, 0.9);
  p.setPen(QPen(kLine, 1));
  p.setBrush(kFur);
  p.drawEllipse(QPointF(69.6, 16), 2.6, 1.8);
  // Red cap, its tip blown back by the speed.
  QPainterPath cap;
  cap.moveTo(66.5, 10.5);
  cap.cubicTo(67, 5, 74, 4, 80, 8.5);
  cap.lineTo(74.5, 10.5);
  cap.closeSubpath();
  p.setBrush(kRed);
  p.drawPath(cap);
  p.setBrush(kFur);
  p.drawEllipse(QPointF(80.5, 8.8), 1.9, 1.9);
  p.drawRoundedRect(QRectF(66, 9.4, 9.2, 2.6), 1.2, 1.2);
}

void Sleigh(QPainter& p) {
  // Runner with its curl at the front, and two struts.
  QPainterPath runner;
  runner.moveTo(97, 45);
  runner.lineTo(60, 45);
  runner.cubicTo(54, 45, 51, 41, 53, 37.5);
  runner.cubicTo(54.5, 35, 58, 36.5, 57, 39);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kLine, 3.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(runner);
  p.drawLine(QPointF(66, 40), QPointF(66, 45));
  p.drawLine(QPointF(89, 40), QPointF(89, 45));
  p.setPen(QPen(kGold, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(runner);
  p.drawLine(QPointF(66, 40), QPointF(66, 45));
  p.drawLine(QPointF(89, 40), QPointF(89, 45));

  QPainterPath body;
  body.moveTo(60, 28);
  body.cubicTo(57, 27, 56, 31, 59, 32);
  body.cubicTo(62, 40, 66, 41, 72, 41);
  body.lineTo(94, 41);
  body.cubicTo(97, 38, 98, 28, 97, 21);
  body.cubicTo(95, 18, 92, 19, 92, 22);
  body.lineTo(91, 28);
  body.closeSubpath();
  QLinearGradient paint(0, 20, 0, 41);
  paint.setColorAt(0, kRed.lighter(125));
  paint.setColorAt(1, kRed.darker(150));
  p.setPen(QPen(kLine, 1));
  p.setBrush(paint);
  p.drawPath(body);
  p.setPen(QPen(kGold, 1.2));
  p.setBrush(Qt::NoBrush);
  QPainterPath trim;
  trim.moveTo(63, 33);
  trim.cubicTo(66, 37, 69, 37.5, 73, 37.5);
  trim.lineTo(92, 37.5);
  p.drawPath(trim);
}

}  // namespace

QImage DrawSleighHeadingLeft() {
  QImage canvas = NewCanvas(100, 50);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  Reins(p);
  Reindeer(p);
  Sack(p);
  Rider(p);
  Sleigh(p);
  return canvas;
}

}  // namespace artgen
