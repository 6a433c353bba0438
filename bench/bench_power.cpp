// What the program costs a desktop with a real sound server, measured from
// outside. Starts its own PulseAudio daemon (a null sink, a private socket
// under a temporary runtime folder) and its own Xvfb, runs the program in a
// child process (this executable with --program, the real windows and
// songs, SDL_AUDIODRIVER=pulseaudio) and reports:
//   - 20 s stopped and 30 s playing: CPU of the program, the sound server
//     and the X server; wake-ups (voluntary context switches, all threads);
//   - Stop to silence, from the null sink's monitor;
//   - the longest UI stall in 200 fast Play, Stop and song commands;
//   - private memory after 60 s of show; exec to first paint (median of 10);
//   - the song's return after the sound server is killed and restarted, and
//     the time to exit while the sound server is frozen;
//   - peak memory while reading crafted song files.
// Every process it starts is ended by its PID.
//   bench_power [stopped-seconds playing-seconds show-seconds]   (20 30 60)
#include <signal.h>
#include <time.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "bench/CraftedSongs.h"
#include "bench/ProcessProbe.h"
#include "music/uSong.h"
#include "platform/MediaPlayer.h"
#include "shell/Program.h"

namespace {

using namespace std::chrono_literals;

double MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

void Say(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

// ---------------------------------------------------------------- child modes

QAction* Action(const char* name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* action = window->findChild<QAction*>(name)) return action;
  }
  return nullptr;
}

// 200 commands, one every 5 ms, as fast clicking would give them: the
// longest a command took and the longest the event loop was late.
void CommandStorm() {
  const std::vector<QAction*> cycle{Action("miPlay"), Action("miStop"), Action("miKeloSong2"),
                                    Action("miPlay"), Action("miStop"), Action("miKeloSong1")};
  auto* timer = new QTimer;
  auto count = std::make_shared<int>(0);
  auto longest = std::make_shared<double>(0);
  auto last = std::make_shared<double>(MonotonicMs());
  QObject::connect(timer, &QTimer::timeout, [=] {
    const double start = MonotonicMs();
    *longest = std::max(*longest, start - *last - 5);
    cycle[static_cast<std::size_t>(*count % 6)]->trigger();
    const double end = MonotonicMs();
    *longest = std::max(*longest, end - start);
    *last = end;
    if (++*count == 200) {
      timer->deleteLater();
      Action("miStop")->trigger();
      Say(QString("storm %1").arg(*longest, 0, 'f', 1));
    }
  });
  timer->start(5);
}

// Reads commands from the measuring process, one a line.
void Obey(const QByteArray& command) {
  if (command == "play") {
    Action("miPlay")->trigger();
  } else if (command == "stop") {
    Action("miStop")->trigger();
    Say(QString("stopped %1").arg(MonotonicMs(), 0, 'f', 3));
  } else if (command == "storm") {
    CommandStorm();
  } else if (command == "memory") {
    Say(QString("anon %1").arg(ProcessStatusKb("RssAnon")));
  } else if (command == "quit") {
    QApplication::quit();
  }
}

int RunProgram(int argc, char* argv[], bool firstPaintOnly) {
  QApplication application(argc, argv);
  InitialiseApplication();
  TProgram program;
  struct TFirstPaint : QObject {
    bool quit = false;
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() != QEvent::Paint || seen) return false;
      seen = true;
      Say(QString("first-paint %1").arg(MonotonicMs(), 0, 'f', 3));
      if (quit) QTimer::singleShot(0, qApp, &QApplication::quit);
      QTimer::singleShot(1000, [] { Say("ready"); });
      return false;
    }
  } watch;
  watch.quit = firstPaintOnly;
  application.installEventFilter(&watch);
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    std::string line;
    if (!std::getline(std::cin, line)) return QApplication::quit();
    Obey(QByteArray::fromStdString(line));
  });
  return program.Run();
}

// Opens one song file and reports the peak memory it took.
int PeakOfSong(const char* path) {
  platform::TMediaPlayer player;
  player.FileName = QString::fromLocal8Bit(path);
  QString outcome = "accepted";
  try {
    player.Open();
  } catch (const std::exception& error) {
    outcome = QString::fromStdString(error.what());
  }
  Say(QString("peak %1 %2").arg(ProcessStatusKb("VmHWM")).arg(outcome));
  return 0;
}

// ------------------------------------------------------- the measuring process

struct TServers {
  QTemporaryDir Dir;
  QProcess Pulse, X;
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();

  bool Start() {
    const QString run = Dir.filePath("run"), home = Dir.filePath("home");
    QDir().mkpath(run);
    QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(home);
    const QString socket = Dir.filePath("pulse.sock");
    QProcessEnvironment pulseEnv = Env;
    pulseEnv.insert("HOME", home);
    pulseEnv.insert("XDG_RUNTIME_DIR", run);
    pulseEnv.insert("XDG_CONFIG_HOME", home + "/.config");
    Pulse.setProcessEnvironment(pulseEnv);
    Pulse.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    Pulse.setStandardErrorFile(Dir.filePath("pulse.log"));
    Pulse.setProgram("pulseaudio");
    Pulse.setArguments({"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                        "--load=module-null-sink sink_name=bench",
                        // as a desktop's default configuration does
                        "--load=module-suspend-on-idle",
                        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    X.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!X.waitForReadyRead(10000) || !StartPulse()) return false;
    const QString display = ":" + QString::fromLatin1(X.readLine().trimmed());
    Env.insert("DISPLAY", display);
    Env.insert("PULSE_SERVER", "unix:" + socket);
    Env.insert("HOME", home);
    Env.insert("XDG_RUNTIME_DIR", run);
    Env.insert("XDG_CONFIG_HOME", home + "/.config");
    Env.insert("SDL_AUDIODRIVER", "pulseaudio");
    Env.remove("QT_QPA_PLATFORM");
    return true;
  }

  bool StartPulse() {
    const QString socket = Dir.filePath("pulse.sock");
    QFile::remove(socket);
    Pulse.start();
    for (int i = 0; i < 200 && !QFile::exists(socket); ++i) std::this_thread::sleep_for(50ms);
    return QFile::exists(socket);
  }

  // Kills the sound server, as a crash would, and starts a new one.
  bool RestartPulse() {
    ::kill(static_cast<pid_t>(Pulse.processId()), SIGKILL);
    Pulse.waitForFinished(5000);
    return StartPulse();
  }

  pid_t PulsePid() const { return static_cast<pid_t>(Pulse.processId()); }

  ~TServers() {
    for (QProcess* server : {&Pulse, &X}) {
      if (server->state() == QProcess::NotRunning) continue;
      ::kill(static_cast<pid_t>(server->processId()), SIGTERM);
      if (!server->waitForFinished(3000)) server->kill();
      server->waitForFinished(1000);
    }
  }
};

struct TChild {
  QProcess Process;

  double StartedAt = 0;  // monotonic ms, just before the exec

  TChild(const TServers& servers, const QStringList& args) {
    Process.setProcessEnvironment(servers.Env);
    StartedAt = MonotonicMs();
    Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Process.start(QCoreApplication::applicationFilePath(), args);
    Process.waitForStarted();
  }
  ~TChild() {
    if (Process.state() == QProcess::NotRunning) return;
    ::kill(static_cast<pid_t>(Process.processId()), SIGTERM);
    if (!Process.waitForFinished(5000)) Process.kill();
    Process.waitForFinished(1000);
  }
  pid_t Pid() const { return static_cast<pid_t>(Process.processId()); }
  void Send(const char* command) {
    Process.write(QByteArray(command) + "\n");
    Process.waitForBytesWritten(1000);
  }
  // The next line that starts with `tag`, without the tag.
  QString Await(const QString& tag, int ms = 30000) {
    const double end = MonotonicMs() + ms;
    while (MonotonicMs() < end) {
      while (Process.canReadLine()) {
        const QString line = QString::fromUtf8(Process.readLine()).trimmed();
        if (line.startsWith(tag + " ")) return line.mid(tag.size() + 1);
        if (line == tag) return QString();
      }
      Process.waitForReadyRead(100);
    }
    return QStringLiteral("?");
  }
};

void Report(const char* phase, const TUsage& program, const TUsage& pulse, const TUsage& x,
            double seconds) {
  std::printf(
      "%-8s over %4.1f s | CPU: program %6.3f %%, sound server %6.3f %%, X %6.3f %% "
      "(sum %6.3f %%) | wake-ups/s: program %6.1f + sound server %6.1f = %6.1f\n",
      phase, seconds, program.CpuPercent(seconds), pulse.CpuPercent(seconds), x.CpuPercent(seconds),
      program.CpuPercent(seconds) + pulse.CpuPercent(seconds) + x.CpuPercent(seconds),
      program.WakeupsPerSecond(seconds), pulse.WakeupsPerSecond(seconds),
      program.WakeupsPerSecond(seconds) + pulse.WakeupsPerSecond(seconds));
  std::fflush(stdout);
}

void MeasurePhase(const char* phase, TChild& child, TServers& servers, double seconds) {
  const pid_t pids[3] = {child.Pid(), static_cast<pid_t>(servers.Pulse.processId()),
                         static_cast<pid_t>(servers.X.processId())};
  TUsage before[3], after[3];
  const auto threadsBefore = ThreadWakeups(pids[0]);
  for (int i = 0; i < 3; ++i) before[i] = ProcessUsage(pids[i]);
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  for (int i = 0; i < 3; ++i) after[i] = ProcessUsage(pids[i]);
  const auto threadsAfter = ThreadWakeups(pids[0]);
  Report(phase, after[0] - before[0], after[1] - before[1], after[2] - before[2], seconds);
  std::printf("         program's wake-ups/s by thread:");
  for (auto [name, count] : threadsAfter.asKeyValueRange()) {
    std::printf(" %s %.1f", qPrintable(name),
                static_cast<double>(count - threadsBefore.value(name)) / seconds);
  }
  std::printf("\n");
}

// The null sink's monitor, recorded in small chunks, each noted with the
// time it arrived and whether it held any sound.
class TMonitor {
 public:
  using TChunks = std::vector<std::pair<double, bool>>;

  explicit TMonitor(const TServers& servers) {
    recorder_.setProcessEnvironment(servers.Env);
    recorder_.start("parec", {"-d", "bench.monitor", "--raw", "--format=s16le", "--channels=2",
                              "--rate=44100", "--latency-msec=5"});
    recorder_.waitForStarted();
  }
  ~TMonitor() {
    ::kill(static_cast<pid_t>(recorder_.processId()), SIGTERM);
    recorder_.waitForFinished(2000);
  }

  TChunks Record(int ms) {
    TChunks chunks;
    const double end = MonotonicMs() + ms;
    while (MonotonicMs() < end) {
      if (!recorder_.waitForReadyRead(5)) continue;
      const QByteArray bytes = recorder_.readAll();
      const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
      const bool sound =
          std::any_of(samples, samples + bytes.size() / 2, [](std::int16_t s) { return s != 0; });
      chunks.emplace_back(MonotonicMs(), sound);
    }
    return chunks;
  }

  static bool AnySound(const TChunks& chunks) {
    return std::any_of(chunks.begin(), chunks.end(), [](auto c) { return c.second; });
  }

 private:
  QProcess recorder_;
};

// How long sound goes on after each of five Stops.
void MeasureStopToSilence(TChild& child, TServers& servers) {
  TMonitor monitor(servers);
  double worst = 0;
  int heard = 0;
  for (int trial = 0; trial < 5; ++trial) {
    child.Send("play");
    const TMonitor::TChunks playing = monitor.Record(3000);
    child.Send("stop");
    const TMonitor::TChunks after = monitor.Record(1000);
    const double stoppedAt = child.Await("stopped").toDouble();
    if (!TMonitor::AnySound(playing)) continue;
    ++heard;
    double lastSound = stoppedAt;
    for (auto [at, sound] : after) {
      if (sound && at > stoppedAt) lastSound = at;
    }
    worst = std::max(worst, lastSound - stoppedAt);
  }
  std::printf(
      "Stop to silence at the sink's monitor: worst of %d trials %.0f ms "
      "(includes the recorder's ~5 ms latency)\n",
      heard, worst);
}

// The sound server crashes mid-show and a new one starts: the show's ticks
// bring the song back by themselves.
void MeasureServerRestart(TChild& child, TServers& servers) {
  child.Send("play");
  std::this_thread::sleep_for(2s);
  if (!servers.RestartPulse()) return (void)std::printf("sound server did not restart\n");
  const double restarted = MonotonicMs();
  TMonitor monitor(servers);
  const TMonitor::TChunks chunks = monitor.Record(5000);
  const auto first = std::find_if(chunks.begin(), chunks.end(), [](auto c) { return c.second; });
  if (first == chunks.end()) {
    std::printf("after a sound server restart mid-show: no sound within 5 s\n");
  } else {
    std::printf(
        "after a sound server restart mid-show: sound again %.0f ms after the new server "
        "was up, with no command\n",
        first->first - restarted);
  }
  child.Send("stop");
  child.Await("stopped");
}

// Exit while the sound server is frozen (SIGSTOP) in the middle of a song.
void MeasureExitWithFrozenServer(TChild& child, TServers& servers) {
  child.Send("play");
  std::this_thread::sleep_for(2s);
  ::kill(servers.PulsePid(), SIGSTOP);
  const double start = MonotonicMs();
  child.Send("quit");
  const bool ended = child.Process.waitForFinished(60000);
  std::printf("exit with the sound server frozen mid-song: %s after %.0f ms\n",
              ended ? "ended" : "NOT ended", MonotonicMs() - start);
  ::kill(servers.PulsePid(), SIGCONT);
}

double MedianFirstPaint(TServers& servers) {
  std::vector<double> times;
  for (int run = 0; run < 10; ++run) {
    TChild child(servers, {"--first-paint"});
    times.push_back(child.Await("first-paint").toDouble() - child.StartedAt);
    child.Process.waitForFinished(5000);
  }
  std::sort(times.begin(), times.end());
  return (times[4] + times[5]) / 2;
}

void MeasureSongPeaks(TServers& servers) {
  QProcessEnvironment env = servers.Env;
  env.insert("SDL_AUDIODRIVER", "dummy");
  for (const TCraftedSong& song : CraftedSongs()) {
    const QString path = servers.Dir.filePath("crafted.wav");
    WriteCraftedSong(path, song);
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--peak", path});
    child.waitForFinished(60000);
    const QString line = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    const QStringList words = line.split(' ');
    std::printf("peak memory reading %-48s %6.1f MB  (%s)\n", song.Name,
                words.value(1).toDouble() / 1024, qPrintable(words.mid(2).join(' ')));
    QFile::remove(path);
  }
}

int Measure(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);  // for QProcess
  const double stoppedSeconds = argc > 1 ? std::atof(argv[1]) : 20;
  const double playingSeconds = argc > 2 ? std::atof(argv[2]) : 30;
  const double showSeconds = argc > 3 ? std::atof(argv[3]) : 60;
  TServers servers;
  if (!servers.Start()) {
    std::printf("bench_power: could not start pulseaudio and Xvfb; skipped\n");
    return 0;
  }
  {
    TChild child(servers, {"--program"});
    std::printf("exec to first paint of the measured run: %.1f ms\n",
                child.Await("first-paint").toDouble() - child.StartedAt);
    child.Await("ready");
    MeasurePhase("stopped", child, servers, stoppedSeconds);
    const double playStarted = MonotonicMs();
    child.Send("play");
    std::this_thread::sleep_for(2s);
    MeasurePhase("playing", child, servers, playingSeconds);
    const double left = showSeconds * 1e3 - (MonotonicMs() - playStarted);
    if (left > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(left));
    child.Send("memory");
    std::printf("private (anonymous) memory after %.0f s of show: %.1f MB\n", showSeconds,
                child.Await("anon").toDouble() / 1024);
    child.Send("stop");
    child.Await("stopped");
    MeasureStopToSilence(child, servers);
    child.Send("storm");
    std::printf("longest UI stall in 200 fast Play/Stop/song commands: %s ms\n",
                qPrintable(child.Await("storm", 60000)));
    MeasureServerRestart(child, servers);
    MeasureExitWithFrozenServer(child, servers);
  }
  std::printf("exec to first paint, median of 10: %.1f ms\n", MedianFirstPaint(servers));
  MeasureSongPeaks(servers);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (mode == "--program" || mode == "--first-paint") {
    return RunProgram(argc, argv, mode == "--first-paint");
  }
  if (mode == "--peak" && argc > 2) return PeakOfSong(argv[2]);
  return Measure(argc, argv);
}
