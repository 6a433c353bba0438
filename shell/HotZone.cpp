#include "shell/HotZone.h"

#include <QMouseEvent>

#include "platform/Cursors.h"

THotZone::THotZone(QWidget* parent, const QRect& place, int cursorNumber)
    : QWidget(parent), cursorNumber_(cursorNumber) {
  setGeometry(place);
  RefreshCursor();
}

void THotZone::RefreshCursor() {
  setCursor(platform::CursorAt(cursorNumber_, devicePixelRatio()));
}

// A move to a screen of another scale needs the cursor drawn for it.
bool THotZone::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal) RefreshCursor();
  return QWidget::event(event);
}

void THotZone::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click is a left press and release inside the zone.
void THotZone::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}
