#include "windows/uReadMe.h"

#include <QShowEvent>

TfmReadMe* fmReadMe = nullptr;

TfmReadMe::TfmReadMe(QWidget* parent) : QWidget(parent, Qt::Window) {}

void TfmReadMe::FormShow() {}

void TfmReadMe::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QWidget::showEvent(event);
}
