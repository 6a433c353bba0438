#include "shell/GlobeView.h"

#include <QPainter>

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

void TGlobeView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, presenting_ != nullptr ? *presenting_ : globe_);
}
