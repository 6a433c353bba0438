#include "bench/ProcessProbe.h"

#include <cstring>

#include <QDir>
#include <QFile>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The number after `field:` in a /proc status text.
long StatusField(const QByteArray& status, const char* field) {
  for (const QByteArray& line : status.split('\n')) {
    if (line.startsWith(QByteArray(field) + ':')) {
      return line.mid(static_cast<qsizetype>(std::strlen(field)) + 1)
          .trimmed()
          .split(' ')
          .value(0)
          .toLong();
    }
  }
  return 0;
}

}  // namespace

TUsage ProcessUsage(pid_t pid) {
  TUsage usage;
  const QString tasks = QString("/proc/%1/task").arg(pid);
  for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString dir = tasks + '/' + task;
    usage.CpuNanoseconds += ReadAll(dir + "/schedstat").split(' ').value(0).toLongLong();
    usage.Wakeups += StatusField(ReadAll(dir + "/status"), "voluntary_ctxt_switches");
  }
  return usage;
}

long ProcessStatusKb(const char* field) {
  return StatusField(ReadAll("/proc/self/status"), field);
}
