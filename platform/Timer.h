#pragma once
// A timer component: an enabled flag, an interval in milliseconds and a tick
// event dispatched by the message loop. It uses a precise timer so that a
// show keeps a steady ten ticks a second.
#include <QObject>
#include <functional>

namespace platform {

class TTimer : public QObject {
  Q_OBJECT
 public:
  explicit TTimer(QObject* parent = nullptr);

  std::function<void()> OnTimer;

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return timerId_ != 0; }
  // Enabling an enabled timer changes nothing: it keeps its rhythm. Raises
  // EPlatformError "ﾀｲﾏｰを取得できません" when no timer can be had.
  void SetEnabled(bool enabled);

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void Start();
  void Halt();

  int interval_ = 1000;
  int timerId_ = 0;  // 0 while disabled
};

}  // namespace platform
