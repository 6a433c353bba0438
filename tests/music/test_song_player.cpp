// The five song operations against a player that is closed, stopped at its
// start, in the middle or at its end, or playing; played on SDL's dummy
// driver, which consumes sound at the pace a sound card would.
#include <QDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>

#include "music/uSong.h"
#include "platform/PlatformError.h"
#include "tests/fixtures/ScratchFolder.h"
#include "tests/fixtures/WavFixture.h"

Q_DECLARE_METATYPE(TMPModes)

namespace {

constexpr int kSong1Ms = 400;
constexpr int kSong2Ms = 250;
constexpr int kWaitMs = 3000;
// Right after a start the play head may already be a buffer or two in.
constexpr int kNearStartMs = 100;

using TOperation = std::function<void(TMediaPlayer&)>;

bool Reached(const TMediaPlayer& player, std::int64_t ms) {
  return QTest::qWaitFor([&] { return player.Position() >= ms; }, kWaitMs);
}

bool PlayedToEnd(const TMediaPlayer& player) {
  return QTest::qWaitFor([&] { return player.Mode() == TMPModes::mpStopped; }, kWaitMs);
}

}  // namespace

class TestSongPlayer : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TScratchFolder> folder_;

  void PutSongs() {
    WriteFile(folder_->Path("KeloSong1.wav"), SongWav(kSong1Ms));
    WriteFile(folder_->Path("KeloSong2.wav"), SongWav(kSong2Ms));
  }

  // Brings `player` (song 1) into the named state.
  void Prepare(TMediaPlayer& player, const QString& state) {
    if (state == "closed") {
      QFile::remove(folder_->Path("KeloSong1.wav"));
      LoadSong(player, 1);
      return;
    }
    LoadSong(player, 1);
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    if (state == "start") return;
    StartSong(player);
    if (state == "middle") {
      QVERIFY(Reached(player, 150));
      StopSong(player);
    } else if (state == "end") {
      QVERIFY(PlayedToEnd(player));
      QCOMPARE(player.Position(), player.Length());
    } else {
      QVERIFY(Reached(player, 100));
    }
  }

 private slots:
  void init() {
    folder_ = std::make_unique<TScratchFolder>();
    PutSongs();
  }
  void cleanup() {
    QVERIFY2(folder_->Errors.isEmpty(), qPrintable(folder_->Errors.join('\n')));
    folder_.reset();
  }

  void operations_follow_the_state_table_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<TOperation>("operation");
    QTest::addColumn<TMPModes>("mode");
    // Where the play head is after the operation: "start", "kept" (where it
    // was) or "on" (at or past where it was).
    QTest::addColumn<QString>("head");

    const TOperation start = StartSong, stop = StopSong, keepAlive = SongKeepAlive;
    const auto closed = TMPModes::mpNotReady, stopped = TMPModes::mpStopped,
               playing = TMPModes::mpPlaying;
    QTest::newRow("closed, start") << "closed" << start << closed << "kept";
    QTest::newRow("closed, stop") << "closed" << stop << closed << "kept";
    QTest::newRow("closed, keep alive") << "closed" << keepAlive << closed << "kept";
    QTest::newRow("at start, start") << "start" << start << playing << "start";
    QTest::newRow("at start, stop") << "start" << stop << stopped << "kept";
    QTest::newRow("at start, keep alive") << "start" << keepAlive << playing << "start";
    QTest::newRow("stopped midway, start: from the beginning")
        << "middle" << start << playing << "start";
    QTest::newRow("stopped midway, stop") << "middle" << stop << stopped << "kept";
    QTest::newRow("stopped midway, keep alive: resumes")
        << "middle" << keepAlive << playing << "on";
    QTest::newRow("at end, start") << "end" << start << playing << "start";
    QTest::newRow("at end, stop: nothing to stop") << "end" << stop << stopped << "kept";
    QTest::newRow("at end, keep alive: rewinds") << "end" << keepAlive << playing << "start";
    QTest::newRow("playing, start: undisturbed") << "playing" << start << playing << "on";
    QTest::newRow("playing, stop: keeps its place") << "playing" << stop << stopped << "kept";
    QTest::newRow("playing, keep alive: undisturbed") << "playing" << keepAlive << playing << "on";
  }

  void operations_follow_the_state_table() {
    QFETCH(QString, from);
    QFETCH(TOperation, operation);
    QFETCH(TMPModes, mode);
    QFETCH(QString, head);

    TMediaPlayer player;
    Prepare(player, from);
    if (QTest::currentTestFailed()) return;
    const std::int64_t before = player.Position();
    operation(player);
    const std::int64_t after = player.Position();
    QCOMPARE(player.Mode(), mode);

    if (head == "start") QVERIFY2(after < kNearStartMs, qPrintable(QString::number(after)));
    if (head == "kept") QCOMPARE(after, before);
    if (head == "on") QVERIFY(after >= before);
    if (mode == TMPModes::mpPlaying) {
      QVERIFY(Reached(player, after + 50));  // it really plays on
    } else {
      QTest::qWait(60);
      QCOMPARE(player.Position(), after);  // and a stopped one stays put
    }
  }

  // A song far shorter than the show's cycle is restarted by the first tick
  // after its end, every time.
  void short_song_loops_on_the_ticks() {
    WriteFile(folder_->Path("KeloSong1.wav"), SongWav(150));
    TMediaPlayer player;
    LoadSong(player, 1);
    StartSong(player);

    int restarts = 0;
    std::int64_t last = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { SongKeepAlive(player); });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      const std::int64_t now = player.Position();
      if (now < last) ++restarts;
      last = now;
    });
    tick.start(100);
    watch.start(5);
    QTest::qWait(1300);
    // Each run lasts 150 ms plus at most one tick of silence.
    QVERIFY2(restarts >= 4, qPrintable(QString::number(restarts)));
    QCOMPARE(player.Mode(), TMPModes::mpPlaying);
  }

  void switching_songs_while_stopped_opens_the_new_one_at_its_start_data() {
    QTest::addColumn<int>("to");
    QTest::addColumn<std::int64_t>("length");
    QTest::newRow("the other song") << 2 << std::int64_t{kSong2Ms};
    QTest::newRow("the same song again") << 1 << std::int64_t{kSong1Ms};
  }

  void switching_songs_while_stopped_opens_the_new_one_at_its_start() {
    QFETCH(int, to);
    QFETCH(std::int64_t, length);
    TMediaPlayer player;
    Prepare(player, "middle");
    SelectSong(player, to);
    QCOMPARE(player.FileName, folder_->Path(QString("KeloSong%1.wav").arg(to)));
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
    QCOMPARE(player.Position(), 0);
    QCOMPARE(player.Length(), length);
  }

  // A missing song, or a folder in its place, means silence without a word
  // until a song that exists is chosen.
  void missing_song_is_silent_until_a_present_one_is_chosen_data() {
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder of that name") << true;
  }

  void missing_song_is_silent_until_a_present_one_is_chosen() {
    QFETCH(bool, asFolder);
    QFile::remove(folder_->Path("KeloSong2.wav"));
    if (asFolder) QVERIFY(QDir().mkdir(folder_->Path("KeloSong2.wav")));
    TMediaPlayer player;
    Prepare(player, "playing");
    StopSong(player);
    SelectSong(player, 2);
    QCOMPARE(player.FileName, folder_->Path("KeloSong2.wav"));
    for (const TOperation& operation :
         {TOperation(StartSong), TOperation(SongKeepAlive), TOperation(StopSong)}) {
      operation(player);
      QCOMPARE(player.Mode(), TMPModes::mpNotReady);
    }
    SelectSong(player, 1);
    QCOMPARE(player.Mode(), TMPModes::mpStopped);
  }

  // The audio back end must not take SIGTERM and SIGINT away from the
  // program, or it could no longer be ended by them. SDL only takes signals
  // whose handler is the default, so the test hands them the default first.
  void an_open_song_leaves_the_termination_signals_alone() {
    const auto term = std::signal(SIGTERM, SIG_DFL), interrupt = std::signal(SIGINT, SIG_DFL);
    {
      TMediaPlayer player;
      LoadSong(player, 1);
      QCOMPARE(player.Mode(), TMPModes::mpStopped);
      QVERIFY(std::signal(SIGTERM, SIG_DFL) == SIG_DFL);
      QVERIFY(std::signal(SIGINT, SIG_DFL) == SIG_DFL);
    }
    std::signal(SIGTERM, term);
    std::signal(SIGINT, interrupt);
  }

  void closing_a_playing_song_and_the_closed_player_refuses_commands() {
    TMediaPlayer player;
    Prepare(player, "playing");
    player.Close();
    player.Close();
    QCOMPARE(player.Mode(), TMPModes::mpNotReady);
    QCOMPARE(player.Position(), 0);
    for (const TOperation& command :
         {TOperation(&TMediaPlayer::Play), TOperation(&TMediaPlayer::Stop),
          TOperation(&TMediaPlayer::Previous)}) {
      try {
        command(player);
        QFAIL("a closed player took a command");
      } catch (const platform::EPlatformError& error) {
        QCOMPARE(error.Text(), QString("MCI ﾃﾞﾊﾞｲｽがありません"));
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestSongPlayer)
#include "test_song_player.moc"
