#include "platform/Placement.h"

#include <QGuiApplication>
#include <QScreen>

void CentreOnScreen(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(), window.frameGeometry().size());
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}
