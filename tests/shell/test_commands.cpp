// The main window's commands in both states, as a user reaches them: menu
// items, shortcuts and hot zones; pattern items and Random.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <functional>

#include "animation/Patterns.h"
#include "platform/Fonts.h"
#include "platform/Random.h"
#include "shell/HotZone.h"
#include "tests/clock/ShowFixture.h"

namespace {

enum class Start { Stopped, Drawing, Pausing };
enum class Command { Play, Stop };
enum class Route { Item, Shortcut, HotZone };

void Prepare(TShowFixture& show, Start start) {
  if (start == Start::Stopped) return;
  show.window->miPlayClick();
  show.Tick(start == Start::Drawing ? 20 : 155);
}

void Issue(TfmKalvo& window, Command command, Route route) {
  const bool play = command == Command::Play;
  switch (route) {
    case Route::Item:
      window.MenuItems.value(play ? "miPlay" : "miStop")->trigger();
      break;
    case Route::Shortcut:
      QTest::keyClick(&window, play ? Qt::Key_P : Qt::Key_S, Qt::ControlModifier);
      break;
    case Route::HotZone:
      QTest::mouseClick(play ? window.Image1 : window.Image2, Qt::LeftButton, {}, QPoint(10, 10));
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
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("route");
  const char* starts[] = {"stopped", "drawing", "in the pause"};
  const char* commands[] = {"Play", "Stop"};
  const char* routes[] = {"item", "shortcut", "hot zone"};
  for (int s = 0; s < 3; ++s)
    for (int c = 0; c < 2; ++c)
      for (int r = 0; r < 3; ++r)
        QTest::addRow("%s %s by %s", commands[c], starts[s], routes[r]) << s << c << r;
}

void TestCommands::playAndStopInBothStates() {
  QFETCH(int, start);
  QFETCH(int, command);
  QFETCH(int, route);
  TShowFixture show;
  show.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(show.window.get()));
  show.window->activateWindow();
  Prepare(show, static_cast<Start>(start));
  const int sceneFrame = show.window->Clock.SceneFrame;
  const int presentations = show.presentations;

  Issue(*show.window, static_cast<Command>(command), static_cast<Route>(route));

  TfmKalvo& window = *show.window;
  if (static_cast<Command>(command) == Command::Play) {
    QVERIFY(window.tmrPlay->Enabled());
    QVERIFY(!window.miSnowType->isEnabled());
    QVERIFY(!window.miMusic->isEnabled());
    QCOMPARE(window.Clock.Step, 1);
    QCOMPARE(window.Clock.SceneFrame, sceneFrame);  // starting never resets the frame
    show.Tick();
    QCOMPARE(*window.Offscreen, show.Expected({{7, NextFrame(sceneFrame), {157, 27}},
                                               {8, NextFrame(NextFrame(sceneFrame)), {202, 42}}}));
  } else {
    QVERIFY(!window.tmrPlay->Enabled());
    QVERIFY(window.miSnowType->isEnabled());
    QVERIFY(window.miMusic->isEnabled());
    QCOMPARE(show.presentations, presentations + 1);  // the plain globe, in every state
    QCOMPARE(show.lastPresented, &window.imgBack.Bitmap);
  }
}

void TestCommands::greyedMenusDoNotOpen() {
  TShowFixture show;
  show.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(show.window.get()));
  show.window->miPlayClick();
  QMenuBar* bar = show.window->menuBar();
  for (QAction* greyed : {show.window->miSnowType, show.window->miMusic}) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(greyed).center());
    QVERIFY(!greyed->menu()->isVisible());
  }
}

void TestCommands::patternItemsSelectTheirPatternAndTurnRandomOff_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<int>("pattern");
  QTest::addColumn<int>("tracks");
  QTest::newRow("White Xmas") << "miCocktail" << int(TPattern::Cocktail) << 40;
  QTest::newRow("Meteor shower") << "miUnbelieve" << int(TPattern::Unbelieve) << 20;
  QTest::newRow("Snow fairy") << "miHatuyuki" << int(TPattern::Hatuyuki) << 28;
  QTest::newRow("Express delivery") << "miRegular" << int(TPattern::Regular) << 35;
  QTest::newRow("Present") << "miTatumaki" << int(TPattern::Tatumaki) << 24;
}

void TestCommands::patternItemsSelectTheirPatternAndTurnRandomOff() {
  QFETCH(QString, item);
  QFETCH(int, pattern);
  QFETCH(int, tracks);
  TShowFixture show;
  TfmKalvo& window = *show.window;
  window.miRndClick();
  QVERIFY(window.Selection.RandomMode);

  window.MenuItems.value(item)->trigger();
  QVERIFY(!window.Selection.RandomMode);
  QCOMPARE(window.Selection.CurrentPattern, TableOf(static_cast<TPattern>(pattern)));
  QCOMPARE(window.Selection.TrackCount, tracks);
  QVERIFY(window.MenuItems.value(item)->isChecked());
  QVERIFY(!window.miRnd->isChecked());
  QVERIFY(!window.tmrPlay->Enabled());  // selecting draws nothing and starts nothing
  QCOMPARE(window.Clock.Step, 0);
}

void TestCommands::randomChecksOnlyItsOwnItem() {
  TShowFixture show;
  TfmKalvo& window = *show.window;
  for (int round = 0; round < 2; ++round) {
    window.MenuItems.value("miRnd")->trigger();
    QVERIFY(window.Selection.RandomMode);
    int checked = 0;
    for (QAction* a : window.miSnowType->menu()->actions()) checked += a->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(window.miRnd->isChecked());
  }
}

void TestCommands::playDuringAShowKeepsTheRandomPick() {
  TShowFixture show;
  TfmKalvo& window = *show.window;
  window.miRndClick();
  window.miPlayClick();
  show.Tick(40);
  const TTrack* picked = window.Selection.CurrentPattern;
  window.miPlayClick();
  QCOMPARE(window.Clock.Step, 1);
  QCOMPARE(window.Selection.CurrentPattern, picked);
  QVERIFY(window.Selection.RandomMode);
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
  platform::SetRandomSeed(kSeed);
  PickRandomPattern(window.Selection);
  QList<const TTrack*> picks{window.Selection.CurrentPattern};
  window.miPlayClick();
  show.Tick(166);
  picks << window.Selection.CurrentPattern;
  for (int cycle = 0; cycle < 4; ++cycle) {
    show.Tick(165);
    picks << window.Selection.CurrentPattern;
  }
  QCOMPARE(picks, expected);
  QVERIFY(window.Selection.RandomMode);
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
