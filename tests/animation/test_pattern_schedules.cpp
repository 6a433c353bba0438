// Reads the compiled choreographies and checks their format, every track's
// schedule, the telling rows and the sprites-on-screen figures.
#include <QTest>
#include <cstring>
#include <span>

#include "tests/animation/ExpectedSchedules.h"
#include "tests/animation/TrackFacts.h"

using namespace facts;

namespace {

const TPatternEntry& Entry(TPattern p) {
  return PatternEntry(p);
}

std::span<const expected::Schedule> SchedulesOf(TPattern p) {
  switch (p) {
    case TPattern::Cocktail:
      return expected::kWhiteXmas;
    case TPattern::Hatuyuki:
      return expected::kSnowFairy;
    case TPattern::Regular:
      return expected::kExpressDelivery;
    case TPattern::Tatumaki:
      return expected::kPresent;
    case TPattern::Unbelieve:
      break;
  }
  return {};
}

const TPatternEntry& Cocktail() {
  return Entry(TPattern::Cocktail);
}
const TPatternEntry& Unbelieve() {
  return Entry(TPattern::Unbelieve);
}
const TPatternEntry& Hatuyuki() {
  return Entry(TPattern::Hatuyuki);
}
const TPatternEntry& Regular() {
  return Entry(TPattern::Regular);
}
const TPatternEntry& Tatumaki() {
  return Entry(TPattern::Tatumaki);
}

void ComparePoints(const TTrack& t, int from, std::initializer_list<TPoint> points) {
  int s = from;
  for (const TPoint& p : points) {
    QVERIFY2(t[s] == p, qPrintable(QString("step %1 is (%2, %3)").arg(s).arg(t[s].X).arg(t[s].Y)));
    ++s;
  }
}

}  // namespace

class TestPatternSchedules : public QObject {
  Q_OBJECT

 private slots:
  void registryPairsEachTableWithItsCount() {
    struct Row {
      TPattern p;
      const TTrack* table;
      int count;
      const char* key;
      int random;
    };
    const Row rows[] = {
        {TPattern::Cocktail, CocktailTracks.data(), 40, "cocktail", 4},
        {TPattern::Unbelieve, UnbelieveTracks.data(), 20, "unbelieve", 3},
        {TPattern::Hatuyuki, HatuyukiTracks.data(), 28, "hatuyuki", 0},
        {TPattern::Regular, RegularTracks.data(), 35, "regular", 1},
        {TPattern::Tatumaki, TatumakiTracks.data(), 24, "tatumaki", 2},
    };
    for (const Row& r : rows) {
      const TPatternEntry& e = Entry(r.p);
      QCOMPARE(e.Table, r.table);
      QCOMPARE(e.Count, r.count);
      QCOMPARE(QString(e.Key), QString(r.key));
      QCOMPARE(PatternByKey(r.key), std::optional(r.p));
      QCOMPARE(e.RandomIndex, r.random);
      QCOMPARE(PatternByRandomIndex(r.random), r.p);
    }
    for (const char* other : {"", "random", "Cocktail", "cocktail "}) {
      QVERIFY2(!PatternByKey(other), other);
    }
    QCOMPARE(int(sizeof(CocktailTracks) + sizeof(UnbelieveTracks) + sizeof(HatuyukiTracks) +
                 sizeof(RegularTracks) + sizeof(TatumakiTracks)),
             177576);
  }

  void tracksLieBackToBack() {
    const auto* bytes = reinterpret_cast<const unsigned char*>(CocktailTracks.data());
    QCOMPARE(reinterpret_cast<const unsigned char*>(&CocktailTracks[39]) - bytes, 47112);
    QCOMPARE(reinterpret_cast<const unsigned char*>(&CocktailTracks[39][1]) - bytes, 47120);
    // Point 1 of White Xmas track 1 is (157, 27): X then Y, little-endian.
    const unsigned char first[] = {157, 0, 0, 0, 27, 0, 0, 0};
    QVERIFY(std::memcmp(bytes + 8, first, 8) == 0);
  }

  void formatRulesHold() {
    for (const TPatternEntry& e : PatternRegistry()) {
      for (int t = 0; t < e.Count; ++t) {
        const TTrack& track = e.Table[t];
        const int kind = track[0].X;
        QVERIFY((kind >= 1 && kind <= 15 && kind != 3));
        QCOMPARE(track[0].Y, 0);
        QVERIFY(!StillAt(track, 1));
        for (int s = 1; s <= kTrackSteps; ++s) {
          if (!Shown(track, s)) {
            QCOMPARE(track[s], (TPoint{0, 0}));
            continue;
          }
          QVERIFY(track[s].Y != 0);
          if (!Shown(track, s - 1)) QVERIFY(!StillAt(track, s));
        }
      }
    }
  }

  void kindsAndMostSprites_data() {
    QTest::addColumn<TPattern>("pattern");
    QTest::addColumn<QList<int>>("kinds");  // kind, number of tracks, ...
    QTest::addColumn<int>("most");
    QTest::addColumn<int>("drawings");
    QTest::newRow("White Xmas") << TPattern::Cocktail << QList<int>{7, 9, 8, 11, 9, 8, 10, 12} << 21
                                << 2086;
    QTest::newRow("Meteor shower")
        << TPattern::Unbelieve << QList<int>{4, 4, 5, 5, 6, 11} << 13 << 887;
    QTest::newRow("Snow fairy") << TPattern::Hatuyuki << QList<int>{1, 25, 2, 3} << 28 << 3447;
    QTest::newRow("Express delivery")
        << TPattern::Regular << QList<int>{1, 1, 7, 9, 8, 8, 9, 7, 10, 8, 11, 1, 12, 1} << 20
        << 1771;
    QTest::newRow("Present") << TPattern::Tatumaki << QList<int>{11, 2, 12, 2, 13, 7, 14, 7, 15, 6}
                             << 10 << 1023;
  }
  void kindsAndMostSprites() {
    QFETCH(TPattern, pattern);
    QFETCH(QList<int>, kinds);
    QFETCH(int, most);
    QFETCH(int, drawings);
    const TPatternEntry& e = Entry(pattern);
    QMap<int, int> counted;
    for (int t = 0; t < e.Count; ++t) ++counted[e.Table[t][0].X];
    QMap<int, int> wanted;
    for (int i = 0; i < kinds.size(); i += 2) wanted[kinds[i]] = kinds[i + 1];
    QCOMPARE(counted, wanted);
    int top = 0, total = 0;
    for (int s = 1; s <= kTrackSteps; ++s) {
      top = std::max(top, ShownAt(e, s));
      total += ShownAt(e, s);
    }
    QCOMPARE(top, most);
    QCOMPARE(total, drawings);
  }

  void everyTrackKeepsItsScheduleRow_data() {
    QTest::addColumn<TPattern>("pattern");
    QTest::newRow("White Xmas") << TPattern::Cocktail;
    QTest::newRow("Snow fairy") << TPattern::Hatuyuki;
    QTest::newRow("Express delivery") << TPattern::Regular;
    QTest::newRow("Present") << TPattern::Tatumaki;
  }
  void everyTrackKeepsItsScheduleRow() {
    QFETCH(TPattern, pattern);
    const TPatternEntry& e = Entry(pattern);
    const auto rows = SchedulesOf(pattern);
    QCOMPARE(int(rows.size()), e.Count);
    for (const expected::Schedule& r : rows) {
      const TTrack& t = e.Table[r.track - 1];
      const QByteArray what = "track " + QByteArray::number(r.track);
      QVERIFY2(t[0].X == r.kind, what);
      QVERIFY2(FirstShown(t) == r.first, what);
      QVERIFY2(LastShown(t) == r.last, what);
      QVERIFY2(CountShown(t) == r.visible, what);
      QVERIFY2(CountStill(t) == r.still, what);
      QVERIFY2(RestAtEnd(t) == r.rest, what);
      if (r.first == 0) continue;
      QVERIFY2(t[r.first] == r.start, what);
      QVERIFY2(t[r.last] == r.end, what);
      // One unbroken run, first shown at step 1 or a multiple of 5.
      QVERIFY2(r.last - r.first + 1 == r.visible, what);
      const bool oddStart = pattern == TPattern::Regular && r.track == 2;
      QVERIFY2(r.first == 1 || r.first % 5 == 0 || (oddStart && r.first == 72), what);
      QVERIFY2(r.visible >= 15, what);
    }
  }

  void meteorTracksKeepTheirRhythm() {
    const TPatternEntry& e = Unbelieve();
    QCOMPARE(int(expected::kMeteorShower.size()), e.Count);
    for (const expected::MeteorSchedule& r : expected::kMeteorShower) {
      const TTrack& t = e.Table[r.track - 1];
      const QByteArray what = "track " + QByteArray::number(r.track);
      QVERIFY2(t[0].X == r.kind, what);
      QVERIFY2(FirstShown(t) == r.pFirst && LastShown(t) == r.qLast, what);
      // Twinkles: every second step at one point, hidden in between.
      auto twinkles = [&](int from, int to, int count, TPoint at) {
        QVERIFY2((to - from) / 2 + 1 == count, what);
        for (int s = from; s <= to; ++s)
          QVERIFY2(t[s] == ((s - from) % 2 == 0 ? at : TPoint{0, 0}),
                   what + " step " + QByteArray::number(s));
      };
      twinkles(r.pFirst, r.pLast, r.pCount, r.p);
      QVERIFY2(!Shown(t, r.pLast + 1), what);
      for (int s = r.fFirst; s <= r.fLast; ++s) QVERIFY2(Shown(t, s), what);
      QVERIFY2(r.fLast - r.fFirst + 1 == r.fCount, what);
      QVERIFY2(t[r.fFirst] == r.fallFirst && t[r.fLast] == r.fallLast, what);
      QVERIFY2(!Shown(t, r.fLast + 1), what);
      twinkles(r.qFirst, r.qLast, r.qCount, r.q);
      QVERIFY2(CountShown(t) == r.visible, what);
      QVERIFY2(r.qLast - r.pFirst + 1 - r.visible == r.hidden, what);
      // Hidden inside the span as often as it twinkles.
      QVERIFY2(r.hidden == r.pCount + r.qCount, what);
      QVERIFY2(CountStill(t) == (r.track == 4 ? 1 : 0), what);
    }
    QVERIFY(StillAt(e.Table[3], 72));
    QVERIFY(!Shown(e.Table[3], 73));
  }

  void tellingRowsArePointForPoint() {
    ComparePoints(Cocktail().Table[0], 0,
                  {{7, 0},
                   {157, 27},
                   {157, 28},
                   {155, 33},
                   {153, 36},
                   {151, 38},
                   {149, 39},
                   {146, 41},
                   {143, 43}});
    // The second flake's first move, which the show's opening frames show.
    ComparePoints(Cocktail().Table[1], 0, {{8, 0}, {202, 42}, {202, 45}});
    ComparePoints(Hatuyuki().Table[0], 0,
                  {{1, 0},
                   {146, 272},
                   {148, 272},
                   {150, 272},
                   {153, 272},
                   {156, 272},
                   {158, 271},
                   {161, 270},
                   {165, 268}});
    QCOMPARE(Hatuyuki().Table[25][0], (TPoint{2, 0}));
    ComparePoints(
        Hatuyuki().Table[25], 75,
        {{191, 66}, {194, 70}, {196, 71}, {199, 71}, {201, 72}, {203, 74}, {203, 77}, {203, 81}});
    ComparePoints(Regular().Table[0], 0,
                  {{12, 0},
                   {128, 253},
                   {133, 252},
                   {140, 250},
                   {148, 246},
                   {155, 242},
                   {162, 237},
                   {167, 231},
                   {171, 226},
                   {175, 219},
                   {178, 212},
                   {178, 211},
                   {178, 211},
                   {176, 211},
                   {169, 212},
                   {162, 213},
                   {152, 213}});
    ComparePoints(Tatumaki().Table[0], 0,
                  {{11, 0},
                   {207, 94},
                   {206, 93},
                   {203, 91},
                   {202, 89},
                   {198, 88},
                   {195, 88},
                   {193, 89},
                   {189, 96}});
    ComparePoints(Tatumaki().Table[0], 40,
                  {{85, 110}, {82, 110}, {79, 110}, {79, 110}, {79, 110}, {79, 110}});
    ComparePoints(Tatumaki().Table[1], 45, {{80, 97}, {83, 100}, {88, 102}, {91, 102}});
    ComparePoints(
        Unbelieve().Table[1], 0,
        {{6, 0}, {222, 67}, {0, 0}, {222, 67}, {0, 0}, {222, 67}, {0, 0}, {222, 67}, {0, 0}});
    ComparePoints(Unbelieve().Table[1], 27,
                  {{222, 67},
                   {0, 0},
                   {208, 83},
                   {191, 102},
                   {174, 124},
                   {157, 148},
                   {143, 170},
                   {133, 187},
                   {119, 206},
                   {112, 216},
                   {108, 222},
                   {101, 232},
                   {98, 237},
                   {96, 240},
                   {95, 243},
                   {94, 243},
                   {94, 244},
                   {0, 0},
                   {94, 244}});
  }

  void expressSleighsStandAtTheirTurns() {
    struct Stand {
      int track, from, to;
      TPoint at;
    };
    const Stand stands[] = {
        {1, 1, 1, {128, 253}},    {1, 11, 12, {178, 211}},  {1, 30, 31, {69, 157}},
        {1, 45, 45, {179, 137}},  {1, 60, 62, {86, 88}},    {1, 73, 75, {180, 69}},
        {2, 72, 72, {174, 250}},  {2, 81, 82, {101, 226}},  {2, 94, 97, {210, 187}},
        {2, 109, 112, {89, 161}}, {2, 124, 127, {202, 89}}, {2, 143, 150, {98, 69}},
    };
    for (const Stand& st : stands) {
      const TTrack& t = Regular().Table[st.track - 1];
      for (int s = st.from; s <= st.to; ++s) QCOMPARE(t[s], st.at);
      if (st.from > 1) QVERIFY(!(t[st.from - 1] == st.at));
      if (st.to < kTrackSteps) QVERIFY(!(t[st.to + 1] == st.at));
    }
    QCOMPARE(CountShown(Regular().Table[16]), 0);
    QCOMPARE(Regular().Table[16][0], (TPoint{1, 0}));
  }

  void presentSleighHandsOver() {
    const TPatternEntry& e = Tatumaki();
    for (int s = 1; s <= kTrackSteps; ++s) {
      int sleighs = 0;
      for (int t = 0; t < 4; ++t) sleighs += Shown(e.Table[t], s);
      const bool handOver = s == 45 || s == 85 || s == 115;
      QCOMPARE(sleighs, handOver ? 2 : 1);
    }
    for (int handOver : {45, 85, 115}) {
      const int arriving = handOver == 45 ? 0 : handOver == 85 ? 1 : 2;
      const TTrack& a = e.Table[arriving];
      const TTrack& b = e.Table[arriving + 1];
      QVERIFY(a[0].X != b[0].X);
      QVERIFY(StillAt(a, handOver));  // the arriving sleigh stands at its end point
      const double gap = Length(a[handOver].X - b[handOver].X, a[handOver].Y - b[handOver].Y);
      QVERIFY(gap >= 5 && gap <= 17);
    }
    // Each pass flies one way, with the picture that heads that way (11 left, 12 right).
    for (int t = 0; t < 4; ++t) {
      const TTrack& track = e.Table[t];
      const int dir = track[0].X == 11 ? -1 : 1;
      for (int s = FirstShown(track) + 1; s <= LastShown(track); ++s) {
        QVERIFY((track[s].X - track[s - 1].X) * dir >= 0);
        QVERIFY(track[s].Y >= 86 && track[s].Y <= 116);
      }
      QVERIFY((track[LastShown(track)].X - track[FirstShown(track)].X) * dir > 100);
    }
    QVERIFY(!StillAt(e.Table[3], 150));
  }

  void spritesOnScreen_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("shown");  // White Xmas, Meteor, Snow fairy, Express, Present
    const int steps[] = {1, 2, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150};
    const QList<int> shown[] = {{2, 1, 10, 4, 1},    {2, 0, 10, 4, 1},    {4, 0, 10, 4, 3},
                                {7, 1, 15, 8, 5},    {8, 3, 20, 8, 7},    {10, 7, 25, 11, 7},
                                {14, 6, 25, 10, 7},  {19, 7, 25, 13, 7},  {17, 6, 25, 12, 9},
                                {16, 7, 26, 13, 9},  {18, 8, 26, 15, 7},  {19, 8, 27, 17, 9},
                                {20, 8, 27, 20, 8},  {20, 11, 28, 19, 8}, {19, 13, 27, 18, 7},
                                {18, 11, 26, 14, 7}, {12, 10, 26, 9, 4}};
    for (int i = 0; i < 17; ++i)
      QTest::newRow(qPrintable(QString("step %1").arg(steps[i]))) << steps[i] << shown[i];
  }
  void spritesOnScreen() {
    QFETCH(int, step);
    QFETCH(QList<int>, shown);
    const TPattern order[] = {TPattern::Cocktail, TPattern::Unbelieve, TPattern::Hatuyuki,
                              TPattern::Regular, TPattern::Tatumaki};
    for (int i = 0; i < 5; ++i) QCOMPARE(ShownAt(Entry(order[i]), step), shown[i]);
  }

  void fewestAndMostSprites() {
    auto stepsWith = [](const TPatternEntry& e, int n) {
      QList<int> steps;
      for (int s = 1; s <= kTrackSteps; ++s)
        if (ShownAt(e, s) == n) steps << s;
      return steps;
    };
    auto range = [](int from, int to, int by = 1) {
      QList<int> r;
      for (int s = from; s <= to; s += by) r << s;
      return r;
    };
    QCOMPARE(stepsWith(Cocktail(), 2), range(1, 9));
    QCOMPARE(stepsWith(Cocktail(), 21), range(125, 128));
    QCOMPARE(stepsWith(Unbelieve(), 0), range(2, 18, 2));
    QCOMPARE(stepsWith(Unbelieve(), 13), (QList<int>{122, 125, 127, 128, 129, 130, 131, 133, 135}));
    for (int s = 1; s <= 19; s += 2) QCOMPARE(ShownAt(Unbelieve(), s), 1);
    QCOMPARE(stepsWith(Hatuyuki(), 10), range(1, 19));
    QCOMPARE(stepsWith(Hatuyuki(), 28), range(115, 125));
    QCOMPARE(stepsWith(Regular(), 4), range(1, 19));
    QCOMPARE(stepsWith(Regular(), 20), range(110, 114));
    QCOMPARE(stepsWith(Tatumaki(), 1), range(1, 9));
    QCOMPARE(stepsWith(Tatumaki(), 10), range(75, 78) + range(105, 107));
  }

  void whatStepsOneAndTwoHold() {
    auto shownAt = [](const TPatternEntry& e, int s) {
      QList<int> tracks;
      for (int t = 0; t < e.Count; ++t)
        if (Shown(e.Table[t], s)) tracks << t + 1;
      return tracks;
    };
    auto stillAt2 = [](const TPatternEntry& e) {
      QList<int> tracks;
      for (int t = 0; t < e.Count; ++t)
        if (StillAt(e.Table[t], 2)) tracks << t + 1;
      return tracks;
    };
    QCOMPARE(shownAt(Cocktail(), 1), (QList<int>{1, 2}));
    QCOMPARE(shownAt(Cocktail(), 2), (QList<int>{1, 2}));
    QCOMPARE(stillAt2(Cocktail()), QList<int>{});
    QCOMPARE(shownAt(Unbelieve(), 1), QList<int>{2});
    QCOMPARE(Unbelieve().Table[1][1], (TPoint{222, 67}));
    QCOMPARE(shownAt(Unbelieve(), 2), QList<int>{});
    QCOMPARE(shownAt(Unbelieve(), 3), QList<int>{2});
    QCOMPARE(shownAt(Hatuyuki(), 1), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QCOMPARE(stillAt2(Hatuyuki()), (QList<int>{2, 4, 5, 8}));
    QCOMPARE(shownAt(Regular(), 1), (QList<int>{1, 3, 4, 5}));
    QCOMPARE(stillAt2(Regular()), (QList<int>{3, 4, 5}));
    QCOMPARE(shownAt(Tatumaki(), 1), QList<int>{1});
    QCOMPARE(stillAt2(Tatumaki()), QList<int>{});
  }

  void expressSleighsOverlapOnlyAtTheTop() {
    for (int s = 1; s <= kTrackSteps; ++s) {
      const int sleighs = Shown(Regular().Table[0], s) + Shown(Regular().Table[1], s);
      QCOMPARE(sleighs, s >= 72 && s <= 75 ? 2 : 1);
    }
  }

  void stillStepTotals() {
    int visible = 0, still = 0, rest = 0, resting = 0, repeats = 0;
    for (const TPatternEntry& e : PatternRegistry())
      for (int t = 0; t < e.Count; ++t) {
        const TTrack& track = e.Table[t];
        visible += CountShown(track);
        still += CountStill(track);
        rest += RestAtEnd(track);
        resting += RestAtEnd(track) > 0;
        const int first = FirstShown(track);
        repeats += first > 0 && StillAt(track, first + 1);
      }
    QCOMPARE(visible, 9214);
    QCOMPARE(still, 415);
    QCOMPARE(rest, 303);
    QCOMPARE(resting, 83);
    QCOMPARE(repeats, 31);
    QCOMPARE(still - rest - repeats, 81);
  }
};

QTEST_APPLESS_MAIN(TestPatternSchedules)
#include "test_pattern_schedules.moc"
