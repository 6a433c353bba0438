#include "shell/GlobeView.h"

#include <QPainter>
#include <QWindow>

TGlobeView::TGlobeView(QWidget* parent, const QImage& globe) : QWidget(parent), globe_(globe) {
  // Every paint covers the whole area with an opaque picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGlobeView::Present(const QImage& frame) {
  presenting_ = &frame;
  repaint();
  presenting_ = nullptr;
  emit presented(frame);
}

// The pictures are laid out in logical pixels; on a scaled screen each one
// becomes a block of device pixels, never a smoothed blend of its neighbours.
void TGlobeView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, presenting_ != nullptr ? *presenting_ : globe_);
}

// The window is given a new native window when it is first shown (and
// whenever Qt recreates it), so the watch on its exposures starts here.
void TGlobeView::showEvent(QShowEvent* event) {
  if (QWindow* native = window()->windowHandle()) native->installEventFilter(this);
  QWidget::showEvent(event);
}

// A window system that uncovers, maps or restores the window would otherwise
// be answered from Qt's copy of the last composed picture. Marking the view
// dirty before Qt handles the exposure makes it paint the plain globe instead.
bool TGlobeView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == window()->windowHandle() &&
      window()->windowHandle()->isExposed()) {
    update();
  }
  return QWidget::eventFilter(watched, event);
}
