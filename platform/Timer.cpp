#include "platform/Timer.h"

#include "platform/PlatformError.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (OnTimer) OnTimer();
  });
}

void TTimer::SetInterval(int milliseconds) { timer_.setInterval(milliseconds); }

void TTimer::SetEnabled(bool enabled) {
  if (!enabled) {
    timer_.stop();
    return;
  }
  if (timer_.isActive()) return;
  timer_.start();
  if (!timer_.isActive()) throw EPlatformError(QStringLiteral("ﾀｲﾏｰを取得できません"));
}
