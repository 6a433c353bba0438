#include "Author.h"

#include <stdexcept>
#include <unordered_set>

#include "Checks.h"
#include "MeteorFall.h"
#include "Plan.h"
#include "Random.h"
#include "Shapes.h"

namespace trackgen {
namespace {

constexpr int kAttempts = 20000;
// The longest fall move outside the planted one.
constexpr double kFallCap = 38.5;

// How each kind of sprite moves in each pattern.
Style StyleFor(const std::string& pattern, int kind) {
  Style s;
  if (pattern == "Cocktail") {
    s.speedSpread = 0.25;
    s.meander = 24;
    s.sway = 2.2;
    s.gusts = 0.14;
    s.lulls = 0.2;
    s.cap = 21.6;
  } else if (pattern == "Hatuyuki") {
    if (kind == 1) {
      s.shape = Shape::Orb;
      s.falling = false;
      s.cap = 19.3;
    } else {
      s.speedSpread = 0.45;
      s.meander = 8;
      s.cap = 11.8;
    }
  } else if (pattern == "Regular") {
    if (kind == 11 || kind == 12) {
      s.shape = Shape::Sweep;
      s.falling = false;
      s.speedSpread = 0.3;
      s.meander = 0;
      s.wobble = 1.5;
      s.cap = 16.9;
    } else {
      s.speedSpread = 0.2;
      s.meander = 30;
      s.sway = 4.5;
      s.gusts = 0.13;
      s.lulls = 0.12;
      s.cap = 27.8;
    }
  } else if (pattern == "Tatumaki") {
    if (kind == 11 || kind == 12) {
      s.shape = Shape::Pass;
      s.falling = false;
      s.speedSpread = 0.55;
      s.meander = 0;
      s.wobble = 8;
      s.bumps = 2.0;
      s.cap = 12.8;
      s.bandTop = 86;
      s.bandBottom = 116;
    } else {
      s.speedSpread = 0.25;
      s.meander = 18;
      s.gusts = 0.12;
      s.lulls = 0.25;
      s.cap = 19.0;
    }
  }
  return s;
}

std::set<int> StepsOf(const std::map<int, std::vector<PlantedMove>>& table, int track) {
  std::set<int> steps;
  if (const auto found = table.find(track); found != table.end())
    for (const PlantedMove& m : found->second) steps.insert(m.step);
  return steps;
}

std::set<int> PinnedSteps(const PatternInput& in, int track) {
  std::set<int> steps;
  if (const auto found = in.pins.find(track); found != in.pins.end())
    for (const auto& [step, p] : found->second) steps.insert(step);
  return steps;
}

void PlantRises(const PatternInput& in, int track, Path& path) {
  if (const auto found = in.rises.find(track); found != in.rises.end())
    for (const PlantedMove& m : found->second) path[m.step].y = path[m.step - 1].y - m.dy;
}

// Remembers the accepted tracks so that no new one repeats a run of moves of
// another, and that sprites meet on one point only where pins say so.
class Catalogue {
 public:
  std::string Clashes(const Path& path) const {
    for (bool mx : {false, true})
      for (bool my : {false, true})
        for (std::uint64_t run : MoveRuns(path, mx, my))
          if (runs_.count(run)) return "repeats a run of moves of another track";
    return {};
  }
  void Add(const Path& path) {
    for (std::uint64_t run : MoveRuns(path, false, false)) runs_.insert(run);
  }

 private:
  std::unordered_set<std::uint64_t> runs_;
};

std::string Meets(const PatternInput& in, int track, const Path& path,
                  const std::vector<Path>& earlier) {
  const auto pinned = PinnedSteps(in, track);
  for (std::size_t other = 0; other < earlier.size(); ++other)
    for (int s = 1; s <= kSteps; ++s)
      if (Visible(path[s]) && path[s] == earlier[other][s] && !pinned.count(s))
        return "meets track " + std::to_string(other + 1);
  return {};
}

std::string CheckDrawn(const PatternInput& in, const ScheduleRow& row, const Plan& plan,
                       const Style& style, const Path& path) {
  // A planted move runs between two fixed points; only those may exceed the cap.
  std::set<int> planted;
  for (int s : PinnedSteps(in, row.track))
    if (plan.anchors.count(s - 1)) planted.insert(s);
  const auto rises = StepsOf(in.rises, row.track);
  for (int s : rises) planted.insert(s + 1);
  std::string why = CheckStillSteps(path, plan);
  if (why.empty()) why = CheckRegion(path, in.region);
  if (why.empty()) why = CheckMoves(path, style.cap, planted);
  if (why.empty() && style.falling) why = CheckFalling(path, rises);
  if (why.empty() && style.shape == Shape::Sweep) {
    const auto turns = in.turns.find(row.track);
    why = CheckSweeps(path, turns == in.turns.end() ? std::vector<Turn>{} : turns->second,
                      row.start, row.end, row.first);
  }
  if (why.empty() && style.shape == Shape::Orb)
    why = CheckOrb(path, row.first, in.orbs.at(row.track));
  if (why.empty() && row.first > 0 && FollowsFormula(path)) why = "follows a formula";
  return why;
}

template <typename Draw>
Path Author(const std::string& what, Draw draw) {
  std::string why;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    Path path;
    why = draw(attempt, path);
    if (why.empty()) return path;
  }
  throw std::runtime_error(what + " cannot be authored: " + why);
}

Path AuthorScheduled(const PatternInput& in, int patternIndex, const ScheduleRow& row,
                     std::uint64_t seed, const Catalogue& catalogue,
                     const std::vector<Path>& earlier) {
  const Style style = StyleFor(in.name, row.kind);
  const auto way = in.orbs.count(row.track) ? in.orbs.at(row.track) : OrbWay::LeftSide;
  return Author(in.name + " track " + std::to_string(row.track), [&](int attempt, Path& path) {
    Rng rng(StreamSeed(seed, patternIndex, row.track, attempt));
    const Plan plan = MakePlan(in, row, rng);
    path = DrawTrack(plan, style, way, rng);
    PlantRises(in, row.track, path);
    std::string why = CheckDrawn(in, row, plan, style, path);
    if (why.empty() && row.first > 0) why = catalogue.Clashes(path);
    if (why.empty()) why = Meets(in, row.track, path, earlier);
    return why;
  });
}

Path AuthorMeteor(const PatternInput& in, int patternIndex, const MeteorRow& row,
                  std::uint64_t seed, const Catalogue& catalogue,
                  const std::vector<Path>& earlier) {
  return Author(in.name + " track " + std::to_string(row.track), [&](int attempt, Path& path) {
    Rng rng(StreamSeed(seed, patternIndex, row.track, attempt));
    path = DrawMeteor(row, in, rng);
    std::string why = CheckRegion(path, in.region);
    if (why.empty()) why = CheckMoves(path, kFallCap, StepsOf(in.moves, row.track));
    // A fall given point by point is kept as given.
    if (why.empty() && !in.telling.count(row.track))
      why = CheckFall(path, row, in.slowStarts.count(row.track) > 0,
                      in.softLandings.count(row.track) > 0);
    if (why.empty() && FollowsFormula(path)) why = "follows a formula";
    if (why.empty()) why = catalogue.Clashes(path);
    if (why.empty()) why = Meets(in, row.track, path, earlier);
    return why;
  });
}

}  // namespace

std::vector<AuthoredPattern> AuthorAll(std::vector<PatternInput> inputs, std::uint64_t seed) {
  std::vector<AuthoredPattern> out;
  Catalogue catalogue;
  for (std::size_t p = 0; p < inputs.size(); ++p) {
    AuthoredPattern authored{std::move(inputs[p]), {}};
    const PatternInput& in = authored.input;
    for (const ScheduleRow& row : in.rows) {
      authored.tracks.push_back(AuthorScheduled(in, int(p), row, seed, catalogue, authored.tracks));
      catalogue.Add(authored.tracks.back());
    }
    for (const MeteorRow& row : in.meteors) {
      authored.tracks.push_back(AuthorMeteor(in, int(p), row, seed, catalogue, authored.tracks));
      catalogue.Add(authored.tracks.back());
    }
    out.push_back(std::move(authored));
  }
  return out;
}

}  // namespace trackgen
