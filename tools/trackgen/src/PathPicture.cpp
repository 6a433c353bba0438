#include "PathPicture.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace trackgen {
namespace {

QColor KindColour(int kind) {
  static const QColor colours[] = {Qt::black,
                                   QColor(255, 220, 60),
                                   QColor(255, 120, 200),
                                   Qt::black,
                                   QColor(255, 255, 120),
                                   QColor(120, 255, 255),
                                   QColor(255, 160, 60),
                                   QColor(120, 200, 255),
                                   QColor(80, 255, 120),
                                   QColor(255, 90, 90),
                                   QColor(200, 140, 255),
                                   QColor(255, 60, 60),
                                   QColor(60, 160, 255),
                                   QColor(255, 200, 0),
                                   QColor(0, 230, 160),
                                   QColor(210, 150, 90)};
  return kind >= 1 && kind <= 15 ? colours[kind] : QColor(Qt::white);
}

}  // namespace

QImage PatternPicture(const AuthoredPattern& pattern, const QImage& globe) {
  QImage picture = globe.isNull() ? QImage(298, 369, QImage::Format_RGB32)
                                  : globe.convertToFormat(QImage::Format_RGB32);
  if (globe.isNull()) picture.fill(QColor(20, 30, 60));
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Path& path : pattern.tracks) {
    const QColor colour = KindColour(path[0].x);
    const bool sleigh = path[0].x == 11 || path[0].x == 12;  // drawn bold: the zigzag reads
    painter.setPen(QPen(colour, sleigh ? 2.5 : 1.2));
    for (int s = 2; s <= kSteps; ++s)
      if (Visible(path[s]) && Visible(path[s - 1]))
        painter.drawLine(QPointF(path[s - 1].x, path[s - 1].y), QPointF(path[s].x, path[s].y));
    painter.setBrush(colour);
    for (int s = 1; s <= kSteps; ++s) {
      if (!Visible(path[s])) continue;
      const bool shownFirst = !Visible(path[s - 1]) || s == 1;
      if (shownFirst || path[s] == path[s - 1])
        painter.drawEllipse(QPointF(path[s].x, path[s].y), shownFirst ? 2.5 : 1.5,
                            shownFirst ? 2.5 : 1.5);
    }
  }
  return picture;
}

}  // namespace trackgen
