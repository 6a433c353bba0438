#pragma once
// The committed inputs of one pattern: its schedule rows and the fixed points
// that the authored paths must pass through.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Geometry.h"

namespace trackgen {

struct Region {
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  double farthest = 0.0;  // from the globe centre
};

// One row of a schedule table; first == 0 for a track that is never shown.
struct ScheduleRow {
  int track = 0, kind = 0, first = 0, last = 0, visible = 0, still = 0, rest = 0;
  Pt start, end;
};

// One Meteor shower row: twinkles at P, a fall, twinkles at Q.
struct MeteorRow {
  int track = 0, kind = 0;
  int pFirst = 0, pLast = 0, pCount = 0;
  Pt p;
  int fFirst = 0, fLast = 0, fCount = 0;
  Pt fallFirst, fallLast;
  int qFirst = 0, qLast = 0, qCount = 0;
  Pt q;
  int visible = 0, hidden = 0;
};

// A sleigh standing at one point from step `from` to step `to`.
struct Turn {
  int from = 0, to = 0;
  Pt at;
};

// A move of exactly (dx, dy) into `step`, set after the path is drawn.
struct PlantedMove {
  int step = 0, dx = 0, dy = 0;
};

enum class OrbWay { Clockwise, Anticlockwise, LeftSide, RightSide };

struct PatternInput {
  std::string name;   // Cocktail, Unbelieve, ...
  std::string table;  // CocktailTracks
  std::string unit;   // uCocktail
  Region region;
  std::vector<ScheduleRow> rows;
  std::vector<MeteorRow> meteors;
  std::map<int, std::map<int, Pt>> telling;  // track -> step -> point, (0, 0) hidden
  std::map<int, std::map<int, Pt>> pins;     // extra fixed points
  std::map<int, std::vector<Turn>> turns;
  std::map<int, std::vector<PlantedMove>> moves;
  std::map<int, std::vector<PlantedMove>> rises;  // dy = how far it rises
  std::set<int> repeats;  // tracks that show their first point again at once
  std::map<int, OrbWay> orbs;
  std::set<int> slowStarts, softLandings;

  int TrackCount() const { return int(rows.empty() ? meteors.size() : rows.size()); }
};

// Reads one input file; throws std::runtime_error naming the file and line.
PatternInput ReadPatternInput(const std::string& path);
std::uint64_t ReadSeed(const std::string& path);

}  // namespace trackgen
