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

QStringList TaskFolders(pid_t pid) {
  const QString tasks = QString("/proc/%1/task/").arg(pid);
  QStringList folders;
  for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    folders << tasks + task;
  }
  return folders;
}

}  // namespace

TUsage ProcessUsage(pid_t pid) {
  TUsage usage;
  for (const QString& task : TaskFolders(pid)) {
    usage.CpuNanoseconds += ReadAll(task + "/schedstat").split(' ').value(0).toLongLong();
    usage.Wakeups += StatusField(ReadAll(task + "/status"), "voluntary_ctxt_switches");
  }
  return usage;
}

QMap<QString, std::int64_t> ThreadWakeups(pid_t pid) {
  QMap<QString, std::int64_t> wakeups;
  for (const QString& task : TaskFolders(pid)) {
    const QString name = QString::fromUtf8(ReadAll(task + "/comm").trimmed());
    wakeups[name] += StatusField(ReadAll(task + "/status"), "voluntary_ctxt_switches");
  }
  return wakeups;
}

long ProcessStatusKb(const char* field) {
  return StatusField(ReadAll("/proc/self/status"), field);
}
