// Composing one drawn step on small fixtures whose pictures tell their frame
// by colour: frame numbering, still steps, hidden points, stamping order,
// clipping and kinds without pictures.
#include <QtTest>
#include <array>
#include <vector>

#include "animation/Clock.h"

namespace {

constexpr QRgb kBackground = 0xff204060u;
constexpr int kSide = 4;         // fixture pictures are 4 x 4
constexpr int kFixtureKind = 7;  // a kind with eight distinct frames
constexpr int kBlankKind = 3;    // a kind without pictures

QRgb FrameColour(int frame) {
  return 0xff000000u | static_cast<QRgb>(frame * 0x10);
}

QImage Filled(QRgb colour, int side = kSide) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// Pictures for kind 7: frame f is a solid square of FrameColour(f); the mask
// is opaque except for its top-left pixel, which shows the background.
struct Fixture {
  std::array<TPicture, kSpriteFrames + 1> images;
  TPicture mask;
  TSpriteCatalogue catalogue;
  QImage globe = Filled(kBackground, 40);

  Fixture() {
    mask.Bitmap = Filled(0xff000000u);
    mask.Bitmap.setPixel(0, 0, 0xffffffffu);
    for (int f = 1; f <= kSpriteFrames; ++f) {
      images[f].Bitmap = Filled(FrameColour(f));
      images[f].Bitmap.setPixel(0, 0, 0xff000000u);
      catalogue.SpriteTable[f][kFixtureKind] = {&images[f], &mask};
    }
    catalogue.HotSpot[kFixtureKind] = {1, 1};
    catalogue.HotSpot[kBlankKind] = {27, 9};
  }
};

TTrack Track(int kind, std::initializer_list<std::pair<int, TPoint>> points) {
  TTrack track{};
  track[0] = {kind, 0};
  for (const auto& [step, point] : points) track[step] = point;
  return track;
}

// The frame a sprite whose hot point is `at` was drawn with, read back.
int FrameAt(const QImage& image, TPoint at) {
  const QRgb colour = image.pixel(at.X, at.Y);
  for (int f = 1; f <= kSpriteFrames; ++f) {
    if (colour == FrameColour(f)) return f;
  }
  return 0;
}

}  // namespace

class TestCompositor : public QObject {
  Q_OBJECT
 private slots:
  void visibleSpritesTakeConsecutiveFrames_data();
  void visibleSpritesTakeConsecutiveFrames();
  void stillStepDrawsFrameOneButStillCounts();
  void hiddenPointTestsXOnlyAndDoesNotCount();
  void aNewlyShownTrackAheadMovesTheFrameOnByTwo();
  void kindWithoutPicturesIsSkippedButCounts();
  void stampIsMaskAndThenPictureOr();
  void laterTrackWinsInsideItsShape();
  void spriteIsClippedAtTheBufferEdge();
};

void TestCompositor::visibleSpritesTakeConsecutiveFrames_data() {
  QTest::addColumn<int>("sceneFrame");
  QTest::addColumn<QList<int>>("frames");
  QTest::newRow("scene frame 1") << 1 << QList<int>{2, 3, 4};
  QTest::newRow("scene frame 6 wraps") << 6 << QList<int>{7, 8, 1};
  QTest::newRow("scene frame 8") << 8 << QList<int>{1, 2, 3};
}

void TestCompositor::visibleSpritesTakeConsecutiveFrames() {
  QFETCH(int, sceneFrame);
  QFETCH(QList<int>, frames);
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{3, {5, 5}}}),
                                   Track(kFixtureKind, {{3, {15, 5}}}),
                                   Track(kFixtureKind, {{3, {25, 5}}})};
  TClockState clock;
  clock.SceneFrame = sceneFrame;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 3, {tracks.data(), 3, fixture.catalogue, fixture.globe}, offscreen);

  QCOMPARE((QList<int>{FrameAt(offscreen, {5, 5}), FrameAt(offscreen, {15, 5}),
                       FrameAt(offscreen, {25, 5})}),
           frames);
  QCOMPARE(clock.SceneFrame, NextFrame(sceneFrame));
  QCOMPARE(clock.SpriteFrame, frames.last());
}

void TestCompositor::stillStepDrawsFrameOneButStillCounts() {
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{1, {5, 5}}, {2, {5, 5}}}),
                                   Track(kFixtureKind, {{1, {15, 5}}, {2, {16, 6}}})};
  TClockState clock;
  clock.SceneFrame = 4;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 2, {tracks.data(), 2, fixture.catalogue, fixture.globe}, offscreen);
  QCOMPARE(FrameAt(offscreen, {5, 5}), 1);   // still: frame 1, not 5
  QCOMPARE(FrameAt(offscreen, {16, 6}), 6);  // the next sprite still gets 6
}

void TestCompositor::hiddenPointTestsXOnlyAndDoesNotCount() {
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{4, {0, 17}}}),
                                   Track(kFixtureKind, {{4, {15, 5}}})};
  TClockState clock;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 4, {tracks.data(), 2, fixture.catalogue, fixture.globe}, offscreen);
  QCOMPARE(FrameAt(offscreen, {15, 5}), 2);
  QCOMPARE(offscreen.pixel(1, 17), kBackground);  // nothing drawn for (0, 17)
}

// From one tick to the next a sprite moves on one frame; when one more track
// ahead of it becomes visible, it moves on two.
void TestCompositor::aNewlyShownTrackAheadMovesTheFrameOnByTwo() {
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{6, {5, 25}}}),
                                   Track(kFixtureKind, {{4, {5, 5}}, {5, {6, 6}}, {6, {7, 7}}})};
  TClockState clock;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  const TScene scene{tracks.data(), 2, fixture.catalogue, fixture.globe};
  ComposeStep(clock, 4, scene, offscreen);
  const int first = FrameAt(offscreen, {5, 5});
  ComposeStep(clock, 5, scene, offscreen);
  const int second = FrameAt(offscreen, {6, 6});
  ComposeStep(clock, 6, scene, offscreen);
  const int third = FrameAt(offscreen, {7, 7});
  QCOMPARE(second, NextFrame(first));
  QCOMPARE(third, NextFrame(NextFrame(second)));
}

void TestCompositor::kindWithoutPicturesIsSkippedButCounts() {
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kBlankKind, {{1, {30, 30}}}),
                                   Track(kFixtureKind, {{1, {15, 5}}})};
  TClockState clock;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 1, {tracks.data(), 2, fixture.catalogue, fixture.globe}, offscreen);
  QCOMPARE(FrameAt(offscreen, {15, 5}), 3);
  QImage expected = fixture.globe;
  QCOMPARE(offscreen.copy(0, 20, 40, 20), expected.copy(0, 20, 40, 20));
}

void TestCompositor::stampIsMaskAndThenPictureOr() {
  Fixture fixture;
  // A picture whose colour overlaps the background's bits: a plain OR without
  // the mask's AND would mix the two.
  TPicture image;
  image.Bitmap = Filled(0xff0f0f0fu);
  image.Bitmap.setPixel(0, 0, 0xff000000u);
  fixture.catalogue.SpriteTable[1][kFixtureKind].Image = &image;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{1, {11, 11}}, {2, {11, 11}}})};
  TClockState clock;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 2, {tracks.data(), 1, fixture.catalogue, fixture.globe}, offscreen);
  QCOMPARE(offscreen.pixel(11, 11), 0xff0f0f0fu);  // inside the shape: the picture
  QCOMPARE(offscreen.pixel(10, 10), kBackground);  // mask white there: background
  QCOMPARE(offscreen.pixel(14, 14), kBackground);  // outside the picture
}

void TestCompositor::laterTrackWinsInsideItsShape() {
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{1, {10, 10}}}),
                                   Track(kFixtureKind, {{1, {11, 11}}})};
  TClockState clock;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 1, {tracks.data(), 2, fixture.catalogue, fixture.globe}, offscreen);
  QCOMPARE(FrameAt(offscreen, {11, 11}), 3);  // the second track, over the first
  QCOMPARE(FrameAt(offscreen, {10, 10}), 2);  // its see-through corner shows the first
}

void TestCompositor::spriteIsClippedAtTheBufferEdge() {
  Fixture fixture;
  const std::vector<TTrack> tracks{Track(kFixtureKind, {{1, {1, 39}}}),
                                   Track(kFixtureKind, {{1, {40, 1}}})};
  TClockState clock;
  QImage offscreen(40, 40, QImage::Format_RGB32);
  ComposeStep(clock, 1, {tracks.data(), 2, fixture.catalogue, fixture.globe}, offscreen);
  QCOMPARE(FrameAt(offscreen, {1, 39}), 2);
  QCOMPARE(FrameAt(offscreen, {39, 1}), 3);
}

QTEST_MAIN(TestCompositor)
#include "test_compositor.moc"
