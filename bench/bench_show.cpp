// A whole show in the real program, measured from the inside: start-up to
// the first paint of the globe, the tick rhythm, the CPU it costs and its
// resident memory. Run it on a real display (or under xvfb-run):
//   bench_show [seconds]      (default 60)
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "shell/Program.h"
#include "tests/fixtures/KalvoProbe.h"

namespace {

// Seconds since this process started, from the kernel's record of it.
double SecondsSinceProcessStart() {
  QFile stat("/proc/self/stat");
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  const double started = fields.value(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - started;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ResidentMegabytes() {
  QFile statm("/proc/self/statm");
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const long pages = statm.readAll().split(' ').value(1).toLong();
  return static_cast<double>(pages) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

// Notes the moment the globe is first painted.
class FirstPaintWatch : public QObject {
 public:
  double seconds = -1;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && seconds < 0) seconds = SecondsSinceProcessStart();
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  QApplication application(argc, argv);
  InitialiseApplication();
  TProgram program;
  FirstPaintWatch watch;
  const TKalvoProbe probe(program.MainWindow);
  probe.GlobeView()->installEventFilter(&watch);

  long ticks = 0;
  const auto tick = probe.Timer().OnTimer;
  probe.Timer().OnTimer = [&] {
    ++ticks;
    tick();
  };
  double cpuAtStart = 0, minRss = 1e9, maxRss = 0;
  const auto sampleRss = [&] {
    const double rss = ResidentMegabytes();
    minRss = std::min(minRss, rss);
    maxRss = std::max(maxRss, rss);
  };
  QElapsedTimer elapsed;
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, sampleRss);
  QTimer::singleShot(500, [&] {
    program.MainWindow.miPlayClick();
    cpuAtStart = CpuSeconds();
    elapsed.start();
    sampleRss();
    sampler.start(5000);
  });
  QTimer::singleShot(500 + seconds * 1000, [&] {
    const double wall = static_cast<double>(elapsed.nsecsElapsed()) * 1e-9;
    const double cpu = CpuSeconds() - cpuAtStart;
    std::printf("first paint after process start: %.0f ms\n", watch.seconds * 1000);
    std::printf("ticks in %.1f s: %ld (expected %.0f)\n", wall, ticks, wall * 10);
    std::printf("cpu: %.2f s user+system = %.2f %% of one core\n", cpu, 100 * cpu / wall);
    std::printf("resident memory: %.1f to %.1f MB (now %.1f MB)\n", minRss, maxRss,
                ResidentMegabytes());
    std::fflush(stdout);
    program.MainWindow.close();
  });
  return program.Run();
}
