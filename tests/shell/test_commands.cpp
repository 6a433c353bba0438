// The main window's commands in both states, as a user reaches them: menu
// items, shortcuts and hot zones; pattern items and Random.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <utility>

#include "animation/Patterns.h"
#include "platform/Fonts.h"
#include "platform/Random.h"
#include "tests/fixtures/ShowFixture.h"

namespace {

enum class Start { Stopped, Drawing, Pausing };
enum class Command { Play, Stop };
enum class Route { Item, Shortcut, HotZone };

void Prepare(TShowFixture& show, Start start) {
  if (start == Start::Stopped) return;
  show.window->miPlayClick();
  show.Tick(start == Start::Drawing ? 20 : 155);
}

void Issue(const TShowFixture& show, Command command, Route route) {
  const bool play = command == Command::Play;
  switch (route) {
    case Route::Item:
      show.probe.Item(play ? "miPlay" : "miStop")->trigger();
      break;
    case Route::Shortcut:
      QTest::keyClick(show.window.get(), play ? Qt::Key_P : Qt::Key_S, Qt::ControlModifier);
      break;
    case Route::HotZone:
      QTest::mouseClick(play ? show.probe.PlayZone() : show.probe.StopZone(), Qt::LeftButton, {},
                        QPoint(10, 10));
      break;
  }
}

const TTrack* TableOf(TPattern pattern) {
  return PatternEntry(pattern).Table;
}

}  // namespace

class TestCommands : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { platform::InstallFontSubstitutions(); }
  void playAndStopInBothStates_data();
  void playAndStopInBothStates();
  void greyedMenusDoNotOpen();
  void patternItemsSelectTheirPatternAndTurnRandomOff_data();
  void patternItemsSelectTheirPatternAndTurnRandomOff();
  void randomChecksOnlyItsOwnItem();
  void playDuringAShowKeepsTheRandomPick();
  void picksOfTheCommandAndTheRestartsAreOneSequence();
};

void TestCommands::playAndStopInBothStates_data() {
  QTest::addColumn<Start>("start");
  QTest::addColumn<Command>("command");
  QTest::addColumn<Route>("route");
  const std::pair<Start, const char*> starts[] = {
      {Start::Stopped, "stopped"}, {Start::Drawing, "drawing"}, {Start::Pausing, "in the pause"}};
  const std::pair<Command, const char*> commands[] = {{Command::Play, "Play"},
                                                      {Command::Stop, "Stop"}};
  const std::pair<Route, const char*> routes[] = {
      {Route::Item, "item"}, {Route::Shortcut, "shortcut"}, {Route::HotZone, "hot zone"}};
  for (const auto& [start, startName] : starts)
    for (const auto& [command, commandName] : commands)
      for (const auto& [route, routeName] : routes)
        QTest::addRow("%s %s by %s", commandName, startName, routeName)
            << start << command << route;
}

void TestCommands::playAndStopInBothStates() {
  QFETCH(Start, start);
  QFETCH(Command, command);
  QFETCH(Route, route);
  TShowFixture show;
  show.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(show.window.get()));
  show.window->activateWindow();
  Prepare(show, start);
  const int sceneFrame = show.window->ClockState().SceneFrame;
  const int presentations = show.presentations;

  Issue(show, command, route);

  const TfmKalvo& window = *show.window;
  if (command == Command::Play) {
    QVERIFY(window.ShowRunning());
    QVERIFY(!show.probe.Item("miSnowType")->isEnabled());
    QVERIFY(!show.probe.Item("miMusic")->isEnabled());
    QCOMPARE(window.ClockState().Step, 1);
    QCOMPARE(window.ClockState().SceneFrame, sceneFrame);  // starting never resets the frame
    show.Tick();
    QCOMPARE(*show.probe.Offscreen(),
             show.Expected({{7, NextFrame(sceneFrame), {157, 27}},
                            {8, NextFrame(NextFrame(sceneFrame)), {202, 42}}}));
  } else {
    QVERIFY(!window.ShowRunning());
    QVERIFY(show.probe.Item("miSnowType")->isEnabled());
    QVERIFY(show.probe.Item("miMusic")->isEnabled());
    QCOMPARE(show.presentations, presentations + 1);  // the plain globe, in every state
    QCOMPARE(show.lastPresented, &show.probe.Globe());
  }
}

void TestCommands::greyedMenusDoNotOpen() {
  TShowFixture show;
  show.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(show.window.get()));
  show.window->miPlayClick();
  QMenuBar* bar = show.window->menuBar();
  for (QAction* greyed : {show.probe.Item("miSnowType"), show.probe.Item("miMusic")}) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(greyed).center());
    QVERIFY(!greyed->menu()->isVisible());
  }
}

void TestCommands::patternItemsSelectTheirPatternAndTurnRandomOff_data() {
  QTest::addColumn<QByteArray>("item");
  QTest::addColumn<TPattern>("pattern");
  QTest::addColumn<int>("tracks");
  QTest::newRow("White Xmas") << QByteArray("miCocktail") << TPattern::Cocktail << 40;
  QTest::newRow("Meteor shower") << QByteArray("miUnbelieve") << TPattern::Unbelieve << 20;
  QTest::newRow("Snow fairy") << QByteArray("miHatuyuki") << TPattern::Hatuyuki << 28;
  QTest::newRow("Express delivery") << QByteArray("miRegular") << TPattern::Regular << 35;
  QTest::newRow("Present") << QByteArray("miTatumaki") << TPattern::Tatumaki << 24;
}

void TestCommands::patternItemsSelectTheirPatternAndTurnRandomOff() {
  QFETCH(QByteArray, item);
  QFETCH(TPattern, pattern);
  QFETCH(int, tracks);
  TShowFixture show;
  TfmKalvo& window = *show.window;
  window.miRndClick();
  QVERIFY(window.PatternSelection().RandomMode);

  show.probe.Item(item)->trigger();
  QVERIFY(!window.PatternSelection().RandomMode);
  QCOMPARE(window.PatternSelection().CurrentPattern, TableOf(pattern));
  QCOMPARE(window.PatternSelection().TrackCount, tracks);
  QVERIFY(show.probe.Item(item)->isChecked());
  QVERIFY(!show.probe.Item("miRnd")->isChecked());
  QVERIFY(!window.ShowRunning());  // selecting draws nothing and starts nothing
  QCOMPARE(window.ClockState().Step, 0);
}

void TestCommands::randomChecksOnlyItsOwnItem() {
  TShowFixture show;
  TfmKalvo& window = *show.window;
  for (int round = 0; round < 2; ++round) {
    show.probe.Item("miRnd")->trigger();
    QVERIFY(window.PatternSelection().RandomMode);
    int checked = 0;
    for (QAction* a : show.probe.Item("miSnowType")->menu()->actions()) checked += a->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(show.probe.Item("miRnd")->isChecked());
  }
}

void TestCommands::playDuringAShowKeepsTheRandomPick() {
  TShowFixture show;
  TfmKalvo& window = *show.window;
  window.miRndClick();
  window.miPlayClick();
  show.Tick(40);
  const TTrack* picked = window.PatternSelection().CurrentPattern;
  window.miPlayClick();
  QCOMPARE(window.ClockState().Step, 1);
  QCOMPARE(window.PatternSelection().CurrentPattern, picked);
  QVERIFY(window.PatternSelection().RandomMode);
}

// The command's pick and the picks of the restarts that follow continue one
// sequence: none of them reseeds it.
void TestCommands::picksOfTheCommandAndTheRestartsAreOneSequence() {
  constexpr std::uint32_t kSeed = 20261211;
  platform::SetRandomSeed(kSeed);
  QList<const TTrack*> expected;
  for (int i = 0; i < 6; ++i) expected << TableOf(PatternByRandomIndex(platform::Random(5)));

  TShowFixture show;
  TfmKalvo& window = *show.window;
  window.PickRandom(kSeed);
  QList<const TTrack*> picks{window.PatternSelection().CurrentPattern};
  QVERIFY(show.probe.Item("miRnd")->isChecked());
  window.miPlayClick();
  show.Tick(166);
  picks << window.PatternSelection().CurrentPattern;
  for (int cycle = 0; cycle < 4; ++cycle) {
    show.Tick(165);
    picks << window.PatternSelection().CurrentPattern;
  }
  QCOMPARE(picks, expected);
  QVERIFY(window.PatternSelection().RandomMode);
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
