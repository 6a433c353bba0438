#pragma once
// The main window's client area: the globe picture, over which each drawn
// tick puts its composed frame in one copy.
#include <QImage>
#include <QWidget>

class TGlobeView : public QWidget {
  Q_OBJECT
 public:
  TGlobeView(QWidget* parent, const QImage& globe);

  // Copies `frame` onto the window now, in one piece. Later repaints that
  // the platform asks for show the plain globe again.
  void Present(const QImage& frame);

 signals:
  // The picture just copied onto the window (for the preview tool).
  void presented(const QImage& frame);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QImage& globe_;
  const QImage* presenting_ = nullptr;
};
