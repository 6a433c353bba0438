#pragma once
// What a process has cost so far, read from /proc: CPU time and voluntary
// context switches (wake-ups) summed over its threads.
#include <sys/types.h>

#include <QMap>
#include <QString>
#include <cstdint>

struct TUsage {
  std::int64_t CpuNanoseconds = 0;
  std::int64_t Wakeups = 0;

  TUsage operator-(const TUsage& earlier) const {
    return {CpuNanoseconds - earlier.CpuNanoseconds, Wakeups - earlier.Wakeups};
  }
  double CpuPercent(double seconds) const { return CpuNanoseconds * 1e-7 / seconds; }
  double WakeupsPerSecond(double seconds) const { return static_cast<double>(Wakeups) / seconds; }
};

// Threads that ended before the call no longer count.
TUsage ProcessUsage(pid_t pid);

// Wake-ups so far of each thread, by thread name (names may repeat: their
// counts add up).
QMap<QString, std::int64_t> ThreadWakeups(pid_t pid);

// A field of this process's /proc status, in kB ("VmHWM", "RssAnon").
long ProcessStatusKb(const char* field);
