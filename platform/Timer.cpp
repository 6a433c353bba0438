#include "platform/Timer.h"

#include <QTimerEvent>

#include "platform/PlatformError.h"

namespace platform {

TTimer::TTimer(QObject* parent) : QObject(parent) {}

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  if (Enabled()) {
    Halt();
    Start();
  }
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (enabled) {
    Start();
  } else {
    Halt();
  }
}

void TTimer::Start() {
  timerId_ = startTimer(interval_, Qt::PreciseTimer);
  if (timerId_ == 0) throw EPlatformError(QStringLiteral("ﾀｲﾏｰを取得できません"));
}

void TTimer::Halt() {
  killTimer(timerId_);
  timerId_ = 0;
}

void TTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() == timerId_ && OnTimer) OnTimer();
}

}  // namespace platform
