#include "platform/Placement.h"

#include <xcb/xcb.h>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <optional>

namespace platform {
namespace {

// The frame an X11 window manager has put around `window`, as it announces
// it in _NET_FRAME_EXTENTS (left, right, top, bottom, in device pixels).
// Qt reads that property only after certain configure events, so it can
// hold on to a frame read before the window manager had set it.
std::optional<QMargins> AnnouncedFrame(const QWidget& window) {
  // Other platforms may offer the X11 interface too, without a connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !window.windowHandle()) {
    return std::nullopt;
  }
  xcb_connection_t* connection = x11->connection();
  if (connection == nullptr) return std::nullopt;
  static const char kName[] = "_NET_FRAME_EXTENTS";
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName),
                            nullptr),
      &free);
  if (!atom || atom->atom == XCB_ATOM_NONE) return std::nullopt;
  const auto cookie = xcb_get_property(connection, 0, window.windowHandle()->winId(), atom->atom,
                                       XCB_ATOM_CARDINAL, 0, 4);
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &free);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
    return std::nullopt;
  }
  const auto* sides = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
  const qreal ratio = window.devicePixelRatio();
  return QMargins(qRound(sides[0] / ratio), qRound(sides[2] / ratio), qRound(sides[1] / ratio),
                  qRound(sides[3] / ratio));
}

QMargins FrameMargins(const QWidget& window) {
  if (const std::optional<QMargins> frame = AnnouncedFrame(window)) return *frame;
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                  outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

QSize FrameSize(const QWidget& window) {
  return window.size().grownBy(FrameMargins(window));
}

// Places the client area itself, so that the result does not hang on the
// frame Qt may still believe in.
void CentreFrame(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QMargins frame = FrameMargins(window);
  const QPoint outer = CentredTopLeft(window.size().grownBy(frame), screen->availableGeometry());
  window.setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window.size()));
}

// Watches a window that was centred before its frame existed. A window
// manager frames the window around its first exposure, then moves or
// activates it; whenever the frame's size then differs from the one the
// window was centred with, the window is centred again. Once a real frame
// has been used it stops.
class FrameWatch : public QObject {
 public:
  FrameWatch(QWidget& window, QWindow& native)
      : QObject(&window), window_(window), native_(native) {
    centredWith_ = FrameSize(window);
    native.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::Expose && type != QEvent::FocusIn && type != QEvent::Move) return false;
    if (!native_.isExposed()) return false;
    // While the window manager reparents the window, the frame reads as
    // nonsense; only a frame around the whole client area counts.
    const QSize frame = FrameSize(window_);
    if (frame == centredWith_ || frame.expandedTo(window_.size()) != frame) return false;
    centredWith_ = frame;
    CentreFrame(window_);
    if (frame != window_.size()) deleteLater();
    return false;
  }

 private:
  QWidget& window_;
  QWindow& native_;
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
  QWindow* native = window.windowHandle();
  if (native && FrameSize(window) == window.size()) new FrameWatch(window, *native);
}

}  // namespace platform
