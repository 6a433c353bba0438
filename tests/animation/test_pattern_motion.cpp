// Reads the compiled choreographies and checks how they move: where their
// points lie, how long their moves are, the motion of each kind of sprite, and
// that no track copies another or follows a simple formula.
#include <QTest>
#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "tests/animation/TrackFacts.h"

using namespace facts;

namespace {

const TPatternEntry& Entry(TPattern p) {
  return PatternEntry(p);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty()      ? 0
         : v.size() % 2 ? v[v.size() / 2]
                        : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double Quantile(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[std::size_t(q * (v.size() - 1) + 0.5)];
}

double Tenths(double v) {
  return std::round(v * 10) / 10;
}

std::vector<double> Lengths(const std::vector<Move>& moves) {
  std::vector<double> v;
  for (const Move& m : moves) v.push_back(m.length);
  return v;
}

// Largest residual of the least-squares fit of (s, v) by the three basis functions.
template <typename Basis>
double FitResidual(const std::vector<std::pair<double, double>>& data, Basis basis) {
  double m[3][4] = {};
  for (const auto& [s, v] : data) {
    const std::array<double, 3> b = basis(s);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) m[i][j] += b[i] * b[j];
      m[i][3] += b[i] * v;
    }
  }
  for (int i = 0; i < 3; ++i) {
    int p = i;
    for (int r = i + 1; r < 3; ++r)
      if (std::abs(m[r][i]) > std::abs(m[p][i])) p = r;
    std::swap(m[i], m[p]);
    if (std::abs(m[i][i]) < 1e-12) return 1e9;
    for (int r = 0; r < 3; ++r)
      if (r != i) {
        const double f = m[r][i] / m[i][i];
        for (int c = i; c < 4; ++c) m[r][c] -= f * m[i][c];
      }
  }
  double worst = 0;
  for (const auto& [s, v] : data) {
    const auto b = basis(s);
    worst = std::max(worst, std::abs(b[0] * m[0][3] / m[0][0] + b[1] * m[1][3] / m[1][1] +
                                     b[2] * m[2][3] / m[2][2] - v));
  }
  return worst;
}

// True if a line, a parabola or a sine curve over the step number puts every
// visible value within 1 px.
bool Reproducible(const std::vector<std::pair<double, double>>& data) {
  if (FitResidual(data, [](double s) { return std::array<double, 3>{1, s, s * s}; }) < 1.0)
    return true;
  for (double period = 3; period <= 900; period *= 1.01) {
    const double w = 6.283185307179586 / period;
    if (FitResidual(data, [w](double s) {
          return std::array<double, 3>{1, std::sin(w * s), std::cos(w * s)};
        }) < 1.0)
      return true;
  }
  return false;
}

// The track's moves with standing still left out, split at hidden steps.
std::vector<std::vector<std::pair<int, int>>> MoveRuns(const TTrack& t) {
  std::vector<std::vector<std::pair<int, int>>> runs(1);
  for (int s = 2; s <= kTrackSteps; ++s) {
    if (!Shown(t, s) || !Shown(t, s - 1)) {
      if (!runs.back().empty()) runs.emplace_back();
      continue;
    }
    if (!(t[s] == t[s - 1])) runs.back().push_back({t[s].X - t[s - 1].X, t[s].Y - t[s - 1].Y});
  }
  return runs;
}

struct Orb {
  int crossings = 0;
  std::vector<int> crossX;  // X where it crosses Y = 150
  int stepsToTop = -1;      // steps after first shown until above Y 60
  int highest = 999;
  double medianRadius = 0;
  double turned = 0;  // degrees round the centre, clockwise on screen positive
};

Orb Follow(const TTrack& t) {
  Orb o;
  const int first = FirstShown(t);
  int side = 0;
  std::vector<double> radii;
  for (int s = first; s <= LastShown(t); ++s) {
    const TPoint p = t[s];
    const int now = p.Y > 150 ? 1 : p.Y < 150 ? -1 : side;
    if (side != 0 && now != side) {
      ++o.crossings;
      o.crossX.push_back(p.X);
    }
    side = now;
    if (p.Y < 60 && o.stepsToTop < 0) o.stepsToTop = s - first;
    o.highest = std::min(o.highest, p.Y);
    radii.push_back(FromCentre(p));
    if (s > first) {
      double d =
          std::atan2(p.Y - 150.0, p.X - 148.0) - std::atan2(t[s - 1].Y - 150.0, t[s - 1].X - 148.0);
      d = std::remainder(d, 6.283185307179586);
      o.turned += d * 180 / 3.141592653589793;
    }
  }
  o.medianRadius = Median(radii);
  return o;
}

}  // namespace

class TestPatternMotion : public QObject {
  Q_OBJECT

 private slots:
  void regionRows_data() {
    QTest::addColumn<TPattern>("pattern");
    QTest::addColumn<QList<int>>("box");  // min X, max X, min Y, max Y
    QTest::addColumn<double>("farthest");
    QTest::newRow("White Xmas") << TPattern::Cocktail << QList<int>{29, 247, 27, 277} << 128.3;
    QTest::newRow("Meteor shower") << TPattern::Unbelieve << QList<int>{45, 244, 44, 270} << 125.6;
    QTest::newRow("Snow fairy") << TPattern::Hatuyuki << QList<int>{31, 255, 31, 276} << 126.5;
    QTest::newRow("Express delivery") << TPattern::Regular << QList<int>{30, 238, 27, 278} << 129.3;
    QTest::newRow("Present") << TPattern::Tatumaki << QList<int>{41, 228, 86, 251} << 120.4;
  }
  void regionRows() {
    QFETCH(TPattern, pattern);
    QFETCH(QList<int>, box);
    QFETCH(double, farthest);
    const TPatternEntry& e = Entry(pattern);
    int minX = 999, maxX = 0, minY = 999, maxY = 0;
    double far = 0;
    for (int t = 0; t < e.Count; ++t)
      for (int s = 1; s <= kTrackSteps; ++s) {
        const TPoint p = e.Table[t][s];
        if (!Shown(e.Table[t], s)) continue;
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
        far = std::max(far, FromCentre(p));
      }
    QCOMPARE((QList<int>{minX, maxX, minY, maxY}), box);
    QCOMPARE(Tenths(far), farthest);
    // Inside the picture's safe area and the glass, whatever the pattern.
    QVERIFY(minX >= 29 && maxX <= 255 && minY >= 27 && maxY <= 278 && far <= 130);
  }

  void moveLengths_data() {
    QTest::addColumn<TPattern>("pattern");
    QTest::addColumn<int>("fromTrack");
    QTest::addColumn<int>("toTrack");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("ninetieth");  // 0: not stated
    QTest::addColumn<double>("longest");
    QTest::addColumn<int>("longestTrack");  // 0: not stated
    QTest::addColumn<int>("longestStep");
    const TPattern wx = TPattern::Cocktail, ms = TPattern::Unbelieve, sf = TPattern::Hatuyuki,
                   ed = TPattern::Regular, pr = TPattern::Tatumaki;
    QTest::newRow("White Xmas") << wx << 1 << 40 << 4.4 << 9.3 << 22.0 << 14 << 136;
    QTest::newRow("Meteor shower") << ms << 1 << 20 << 14.8 << 0.0 << 38.9 << 17 << 130;
    QTest::newRow("Snow fairy") << sf << 1 << 28 << 4.5 << 0.0 << 19.7 << 22 << 142;
    QTest::newRow("Snow fairy orbs") << sf << 1 << 25 << 4.5 << 8.3 << 19.7 << 22 << 142;
    QTest::newRow("Snow fairy girls") << sf << 26 << 28 << 3.6 << 0.0 << 12.0 << 0 << 0;
    QTest::newRow("Express delivery") << ed << 1 << 35 << 6.0 << 0.0 << 28.2 << 34 << 134;
    QTest::newRow("Express sleighs") << ed << 1 << 2 << 7.3 << 0.0 << 17.1 << 0 << 0;
    QTest::newRow("Express flakes") << ed << 3 << 35 << 5.8 << 11.2 << 28.2 << 34 << 134;
    QTest::newRow("Present") << pr << 1 << 24 << 3.6 << 0.0 << 19.4 << 23 << 144;
    QTest::newRow("Present sleigh") << pr << 1 << 4 << 3.6 << 0.0 << 13.0 << 0 << 0;
    QTest::newRow("Present gifts") << pr << 5 << 24 << 3.6 << 8.0 << 19.4 << 23 << 144;
  }
  void moveLengths() {
    QFETCH(TPattern, pattern);
    QFETCH(int, fromTrack);
    QFETCH(int, toTrack);
    QFETCH(double, median);
    QFETCH(double, ninetieth);
    QFETCH(double, longest);
    QFETCH(int, longestTrack);
    QFETCH(int, longestStep);
    const auto moves = Moves(Entry(pattern), fromTrack, toTrack);
    const auto lengths = Lengths(moves);
    const double m = Median(lengths);
    QVERIFY2(std::abs(m - median) <= 0.1 * median, qPrintable(QString("median %1").arg(m)));
    if (ninetieth > 0) {
      const double q = Quantile(lengths, 0.9);
      QVERIFY2(std::abs(q - ninetieth) <= 0.1 * ninetieth, qPrintable(QString("90%% %1").arg(q)));
    }
    const auto top = std::max_element(moves.begin(), moves.end(), [](const Move& a, const Move& b) {
      return a.length < b.length;
    });
    QCOMPARE(Tenths(top->length), longest);
    if (longestTrack)
      QCOMPARE((QList<int>{top->track, top->step}), (QList<int>{longestTrack, longestStep}));
  }

  void flakesHardlyRiseAndGiftsNever() {
    auto rises = [](TPattern pattern, int from, int to) {
      QList<int> r;
      for (const Move& m : Moves(Entry(pattern), from, to))
        if (m.dy < 0) r << -m.dy;
      return r;
    };
    QCOMPARE(rises(TPattern::Cocktail, 1, 40), QList<int>{1});
    const QList<int> express = rises(TPattern::Regular, 3, 35);
    QCOMPARE(express.size(), 10);
    QVERIFY(*std::max_element(express.begin(), express.end()) <= 5);
    QCOMPARE(rises(TPattern::Tatumaki, 5, 24), QList<int>{});
  }

  void orbsRiseCircleAndComeDown() {
    const TPatternEntry& e = Entry(TPattern::Hatuyuki);
    int clockwise = 0, anticlockwise = 0, sameSide = 0;
    for (int t = 1; t <= 25; ++t) {
      const Orb o = Follow(e.Table[t - 1]);
      const QByteArray what = "orb " + QByteArray::number(t);
      QVERIFY2(o.crossings == 2, what);
      QVERIFY2(o.stepsToTop >= 28 && o.stepsToTop <= 70, what);
      QVERIFY2(o.highest <= 42, what);
      QVERIFY2(o.medianRadius >= 71 && o.medianRadius <= 114, what);
      const bool upLeft = o.crossX[0] < 148, downLeft = o.crossX[1] < 148;
      if (upLeft == downLeft) {
        QVERIFY2(std::abs(o.turned) < 180, what);
        ++sameSide;
      } else if (o.turned > 270 && o.turned < 450) {
        ++clockwise;
      } else {
        QVERIFY2(o.turned < -270 && o.turned > -450, what);
        ++anticlockwise;
      }
    }
    QCOMPARE((QList<int>{clockwise, anticlockwise, sameSide}), (QList<int>{6, 8, 11}));
  }

  void expressSleighsKeepToTheirZigzags() {
    // Start, turns and end of each sleigh: the steps it stands there.
    struct Mark {
      int from, to, x, y;
    };
    const std::vector<Mark> sleighs[] = {{{1, 1, 128, 253},
                                          {11, 12, 178, 211},
                                          {30, 31, 69, 157},
                                          {45, 45, 179, 137},
                                          {60, 62, 86, 88},
                                          {73, 75, 180, 69}},
                                         {{72, 72, 174, 250},
                                          {81, 82, 101, 226},
                                          {94, 97, 210, 187},
                                          {109, 112, 89, 161},
                                          {124, 127, 202, 89},
                                          {143, 150, 98, 69}}};
    for (int t = 0; t < 2; ++t) {
      const TTrack& track = Entry(TPattern::Regular).Table[t];
      const auto& marks = sleighs[t];
      for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
        const Mark a = marks[k], b = marks[k + 1];
        const int dir = b.x > a.x ? 1 : -1;
        for (int s = a.to + 1; s <= b.from; ++s) {
          QVERIFY((track[s].X - track[s - 1].X) * dir >= 0);
          QVERIFY(track[s].Y >= std::min(a.y, b.y) - 4 && track[s].Y <= std::max(a.y, b.y) + 4);
        }
      }
    }
  }

  void meteorFallsAreStraightAndSlowDown() {
    const TPatternEntry& e = Entry(TPattern::Unbelieve);
    int softLandings = 0, slowStarts = 0, leftward = 0;
    for (int t = 1; t <= 20; ++t) {
      const TTrack& track = e.Table[t - 1];
      const QByteArray what = "fall " + QByteArray::number(t);
      // The fall is the one run of consecutive visible steps.
      int a = 0;
      for (int s = 2; s <= kTrackSteps && !a; ++s)
        if (Shown(track, s) && Shown(track, s - 1)) a = s - 1;
      int b = a;
      while (Shown(track, b + 1)) ++b;
      const TPoint p = track[a], q = track[b];
      const double dx = q.X - p.X, dy = q.Y - p.Y, len = std::hypot(dx, dy);
      for (int s = a; s <= b; ++s)
        QVERIFY2(std::abs((track[s].X - p.X) * dy - (track[s].Y - p.Y) * dx) / len <= 8.4, what);
      const double angle = std::round(std::atan2(dy, std::abs(dx)) * 180 / 3.141592653589793);
      if (dx > 0) {
        QVERIFY2(angle >= 35 && angle <= 62, what);
      } else {
        ++leftward;
        QVERIFY2(angle >= 39 && angle <= 73, what);
      }
      std::vector<double> lengths = Lengths(Moves(track, t));
      if (t == 4) lengths.pop_back();  // it stands still on its last fall step
      int tail = 0, head = 0;
      while (tail < int(lengths.size()) && lengths[lengths.size() - 1 - tail] < 10) ++tail;
      while (head < int(lengths.size()) && lengths[head] < 10) ++head;
      QVERIFY2(tail >= 1 && tail <= 5, what);
      QVERIFY2(lengths.back() <= 8, what);
      softLandings += lengths.back() > 5;
      QVERIFY2(head <= 3, what);
      slowStarts += head > 0;
    }
    QCOMPARE(leftward, 10);
    QVERIFY(softLandings <= 2);
    QCOMPARE(slowStarts, 12);
  }

  void noTrackRepeatsAnother() {
    // Every run of 8 moves, under each mirroring, keyed to the track it is in.
    std::map<std::vector<std::pair<int, int>>, std::set<int>> seen;
    int id = 0;
    for (const TPatternEntry& e : PatternRegistry())
      for (int t = 0; t < e.Count; ++t, ++id)
        for (const auto& run : MoveRuns(e.Table[t]))
          for (std::size_t i = 0; i + 8 <= run.size(); ++i)
            for (int mirror = 0; mirror < 4; ++mirror) {
              std::vector<std::pair<int, int>> key;
              for (std::size_t k = i; k < i + 8; ++k)
                key.push_back({mirror & 1 ? -run[k].first : run[k].first,
                               mirror & 2 ? -run[k].second : run[k].second});
              seen[key].insert(id);
            }
    for (const auto& [key, tracks] : seen) QVERIFY(tracks.size() == 1);
  }

  void spritesMeetOnOnePointOnlyThreeTimes() {
    int meetings = 0;
    for (const TPatternEntry& e : PatternRegistry())
      for (int s = 1; s <= kTrackSteps; ++s)
        for (int a = 0; a < e.Count; ++a)
          for (int b = a + 1; b < e.Count; ++b)
            meetings += Shown(e.Table[a], s) && e.Table[a][s] == e.Table[b][s];
    QCOMPARE(meetings, 3);
  }

  void pathsAreFreeForm() {
    for (const TPatternEntry& e : PatternRegistry())
      for (int t = 0; t < e.Count; ++t) {
        const TTrack& track = e.Table[t];
        if (!FirstShown(track)) continue;
        std::vector<std::pair<double, double>> xs, ys;
        for (int s = 1; s <= kTrackSteps; ++s)
          if (Shown(track, s)) {
            xs.push_back({double(s), double(track[s].X)});
            ys.push_back({double(s), double(track[s].Y)});
          }
        const QByteArray what = QByteArray(e.Key) + " track " + QByteArray::number(t + 1);
        QVERIFY2(!Reproducible(xs) && !Reproducible(ys), what);
        std::set<double> lengths;
        for (const Move& m : Moves(track, t + 1)) lengths.insert(Tenths(m.length));
        QVERIFY2(lengths.size() >= 4, what);
      }
  }
};

QTEST_APPLESS_MAIN(TestPatternMotion)
#include "test_pattern_motion.moc"
