// The play clock driving the real main window: the worked example of the
// first two steps, the timeline of a show, still steps and the pause.
#include <QtTest>

#include "animation/patterns/uHatuyuki.h"
#include "platform/Fonts.h"
#include "tests/fixtures/ShowFixture.h"

class TestShow : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { platform::InstallFontSubstitutions(); }
  void firstStepsOfWhiteXmasStampTheRightFramesAndPlaces();
  void timelineDrawsPausesAndRestartsAtStepTwo();
  void pauseKeepsTheLastPictureOnTheWindow();
  void stillSpritesAtStepTwoShowFrameOne();
  void repaintShowsThePlainGlobe();
};

void TestShow::firstStepsOfWhiteXmasStampTheRightFramesAndPlaces() {
  TShowFixture show;
  show.window->show();
  show.window->StartClock();
  show.Tick();
  QCOMPARE(*show.probe.Offscreen(), show.Expected({{7, 2, {157, 27}}, {8, 3, {202, 42}}}));
  QCOMPARE(show.presentations, 1);
  show.Tick();
  QCOMPARE(*show.probe.Offscreen(), show.Expected({{7, 3, {157, 28}}, {8, 4, {202, 45}}}));
  QCOMPARE(show.presentations, 2);
}

// Ticks 1-150 draw steps 1-150, 151-165 pause, 166 restarts; from then on a
// cycle draws steps 2-150 and takes 165 ticks.
void TestShow::timelineDrawsPausesAndRestartsAtStepTwo() {
  TShowFixture show;
  show.window->show();
  show.window->StartClock();
  QList<int> drawnSteps;
  QList<int> drawnTicks;
  for (int tick = 1; tick <= 331; ++tick) {
    const int step = show.window->ClockState().Step;
    const int before = show.presentations;
    show.Tick();
    if (show.presentations != before) {
      drawnSteps << step;
      drawnTicks << tick;
    }
    if (tick == 166 || tick == 331) QCOMPARE(show.window->ClockState().Step, 2);
  }
  QList<int> expectedSteps, expectedTicks;
  for (int s = 1; s <= 150; ++s) expectedSteps << s, expectedTicks << s;
  for (int s = 2; s <= 150; ++s) expectedSteps << s, expectedTicks << 165 + s;
  QCOMPARE(drawnSteps, expectedSteps);
  QCOMPARE(drawnTicks, expectedTicks);
}

void TestShow::pauseKeepsTheLastPictureOnTheWindow() {
  TShowFixture show;
  show.window->show();
  show.window->StartClock();
  show.Tick(150);
  const QImage step150 = show.probe.Offscreen()->copy();
  const int presentations = show.presentations;
  QList<int> steps;
  for (int tick = 151; tick <= 165; ++tick) {
    steps << show.window->ClockState().Step;
    show.Tick();
  }
  QCOMPARE(steps.first(), 151);
  QCOMPARE(steps.last(), 179);
  QCOMPARE(show.presentations, presentations);
  QCOMPARE(*show.probe.Offscreen(), step150);
}

// Snow fairy shows its first ten orbs at steps 1 and 2; orbs 2, 4, 5 and 8
// stand still at step 2 and show frame 1, yet still count for those after.
void TestShow::stillSpritesAtStepTwoShowFrameOne() {
  TShowFixture show;
  show.window->miHatuyukiClick();
  show.window->StartClock();
  show.Tick(2);
  const int frames[10] = {3, 1, 5, 1, 1, 8, 1, 1, 3, 4};
  QList<TShowFixture::Sprite> sprites;
  for (int t = 0; t < 10; ++t) sprites.append({1, frames[t], HatuyukiTracks[t][2]});
  QCOMPARE(*show.probe.Offscreen(), show.Expected(sprites));
}

void TestShow::repaintShowsThePlainGlobe() {
  TShowFixture show;
  show.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(show.window.get()));
  show.window->StartClock();
  show.Tick(20);
  QVERIFY(*show.probe.Offscreen() != show.probe.Globe());
  QCOMPARE(show.probe.GlobeView()->grab().toImage().convertToFormat(QImage::Format_RGB32),
           show.probe.Globe());
}

QTEST_MAIN(TestShow)
#include "test_show.moc"
