#include "windows/Wreath.h"

#include <QFile>
#include <QPainter>

namespace {

constexpr int kIconSize = 32;
const QString kIconResource = QStringLiteral(":/assets/imgIcon1.ico");

// Stand-in drawn at run time while the icon is missing from the resources:
// a green ring with a red bow on black, the same picture in broad strokes.
QPixmap DrawnWreath() {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::black);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 128, 0), 6));
  painter.drawEllipse(QRectF(5, 5, 22, 22));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 0, 0));
  painter.drawPolygon(QPolygonF({{16, 25}, {9, 21}, {9, 30}}));
  painter.drawPolygon(QPolygonF({{16, 25}, {23, 21}, {23, 30}}));
  painter.drawEllipse(QRectF(13.5, 22.5, 5, 5));
  return pixmap;
}

}  // namespace

QPixmap WreathIcon() {
  if (!QFile::exists(kIconResource)) return DrawnWreath();
  const QPixmap icon(kIconResource);
  return icon.isNull() ? DrawnWreath() : icon;
}
