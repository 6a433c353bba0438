#pragma once
// A timer component: an enabled flag, an interval in milliseconds and a tick
// event dispatched by the message loop. It uses a precise timer so that a
// show keeps a steady ten ticks a second.
#include <QObject>
#include <QTimer>
#include <functional>

class TTimer : public QObject {
  Q_OBJECT
 public:
  explicit TTimer(QObject* parent = nullptr);

  std::function<void()> OnTimer;

  int Interval() const { return timer_.interval(); }
  void SetInterval(int milliseconds);
  bool Enabled() const { return timer_.isActive(); }
  // Enabling an enabled timer changes nothing: it keeps its rhythm. Raises
  // EPlatformError "ﾀｲﾏｰを取得できません" when no timer can be had.
  void SetEnabled(bool enabled);

 private:
  QTimer timer_;
};
