#pragma once
// A picture component without a picture: invisible, but it takes clicks and
// shows a numbered cursor over itself.
#include <QWidget>

class THotZone : public QWidget {
  Q_OBJECT
 public:
  THotZone(QWidget* parent, const QRect& place, int cursorNumber);
  // Picks up the cursor installed under this zone's number, drawn for the
  // scale of the screen the zone is on.
  void RefreshCursor();

 signals:
  void clicked();

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int cursorNumber_;
  bool pressed_ = false;
};
