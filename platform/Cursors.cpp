#include "platform/Cursors.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QtEndian>

namespace platform {
namespace {

// A cursor file starts with a 6-byte directory header; the first 16-byte
// entry holds the hot spot's X and Y at offsets 4 and 6 of the entry.
constexpr int kEntryOffset = 6;
constexpr int kHotSpotXOffset = kEntryOffset + 4;
constexpr int kHotSpotYOffset = kEntryOffset + 6;
constexpr int kMinimumSize = kEntryOffset + 16;

QMap<int, QCursor>& Table() {
  static QMap<int, QCursor> table;
  return table;
}

}  // namespace

QCursor LoadCursorResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QCursor(Qt::ArrowCursor);
  const QByteArray bytes = file.readAll();
  QImage image;
  if (bytes.size() < kMinimumSize || !image.loadFromData(bytes, "CUR")) {
    return QCursor(Qt::ArrowCursor);
  }
  const int hotX = qFromLittleEndian<quint16>(bytes.constData() + kHotSpotXOffset);
  const int hotY = qFromLittleEndian<quint16>(bytes.constData() + kHotSpotYOffset);
  return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

void SetCursor(int number, const QCursor& cursor) {
  Table().insert(number, cursor);
}

QCursor CursorAt(int number, qreal devicePixelRatio) {
  const QCursor cursor = Table().value(number, QCursor(Qt::ArrowCursor));
  return ScaledCursor(cursor, qMax(1, qRound(devicePixelRatio)));
}

QCursor ScaledCursor(const QCursor& cursor, int factor) {
  const QPixmap picture = cursor.pixmap();
  if (factor < 2 || picture.isNull()) return cursor;
  QPixmap scaled =
      picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  scaled.setDevicePixelRatio(factor);
  // Qt's X11 plugin hands the hot spot to the server as it is, in device
  // pixels; Wayland takes it in logical pixels and scales it itself.
  const int hotSpotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? factor : 1;
  const QPoint hotSpot = cursor.hotSpot() * hotSpotScale;
  return QCursor(scaled, hotSpot.x(), hotSpot.y());
}

}  // namespace platform
