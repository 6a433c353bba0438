#include "platform/Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

void CentreFrame(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  window.move(CentredTopLeft(window.frameGeometry().size(), screen->availableGeometry()));
}

// Watches a window that was centred before its frame existed. The window
// manager's framing shows up as a move of the client area; whenever the
// frame's size then differs from the one the window was centred with, the
// window is centred again. Once a real frame has been used it stops.
class FrameWatch : public QObject {
 public:
  explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
    centredWith_ = window.frameGeometry().size();
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) return false;
    const QSize frame = window_.frameGeometry().size();
    if (frame == centredWith_) return false;
    centredWith_ = frame;
    CentreFrame(window_);
    if (frame != window_.size()) deleteLater();
    return false;
  }

 private:
  QWidget& window_;
  QSize centredWith_;
};

}  // namespace

QPoint CentredTopLeft(const QSize& frameSize, const QRect& area) {
  QRect frame(QPoint(), frameSize);
  frame.moveCenter(area.center());
  return frame.topLeft();
}

void CentreOnScreen(QWidget& window) {
  CentreFrame(window);
  if (window.frameGeometry().size() == window.size()) new FrameWatch(window);
}

}  // namespace platform
