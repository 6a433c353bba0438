#include "Inputs.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace trackgen {
namespace {

class LineReader {
 public:
  LineReader(const std::string& path, int number, const std::string& text)
      : where_(path + ":" + std::to_string(number)), in_(text) {}

  int Int() {
    int v = 0;
    if (!(in_ >> v)) Fail("a number is missing");
    return v;
  }
  double Real() {
    double v = 0;
    if (!(in_ >> v)) Fail("a number is missing");
    return v;
  }
  std::string Word() {
    std::string w;
    if (!(in_ >> w)) Fail("a word is missing");
    return w;
  }
  Pt Point() {
    const int x = Int();
    return Pt{x, Int()};
  }
  bool AtEnd() {
    in_ >> std::ws;
    return in_.eof();
  }
  [[noreturn]] void Fail(const std::string& why) const {
    throw std::runtime_error(where_ + ": " + why);
  }

 private:
  std::string where_;
  std::istringstream in_;
};

OrbWay ParseOrbWay(LineReader& line) {
  const std::string w = line.Word();
  if (w == "cw") return OrbWay::Clockwise;
  if (w == "acw") return OrbWay::Anticlockwise;
  if (w == "left") return OrbWay::LeftSide;
  if (w == "right") return OrbWay::RightSide;
  line.Fail("unknown orb way " + w);
}

void ReadTrackList(LineReader& line, std::set<int>& into) {
  while (!line.AtEnd()) into.insert(line.Int());
}

void ReadLine(LineReader& line, const std::string& key, PatternInput& in) {
  if (key == "pattern") {
    in.name = line.Word();
    in.table = line.Word();
    in.unit = line.Word();
  } else if (key == "region") {
    in.region = {line.Int(), line.Int(), line.Int(), line.Int(), line.Real()};
  } else if (key == "track") {
    ScheduleRow r;
    r.track = line.Int();
    r.kind = line.Int();
    r.first = line.Int();
    r.last = line.Int();
    r.visible = line.Int();
    r.still = line.Int();
    r.rest = line.Int();
    r.start = line.Point();
    r.end = line.Point();
    in.rows.push_back(r);
  } else if (key == "meteor") {
    MeteorRow m;
    m.track = line.Int();
    m.kind = line.Int();
    m.pFirst = line.Int();
    m.pLast = line.Int();
    m.pCount = line.Int();
    m.p = line.Point();
    m.fFirst = line.Int();
    m.fLast = line.Int();
    m.fCount = line.Int();
    m.fallFirst = line.Point();
    m.fallLast = line.Point();
    m.qFirst = line.Int();
    m.qLast = line.Int();
    m.qCount = line.Int();
    m.q = line.Point();
    m.visible = line.Int();
    m.hidden = line.Int();
    in.meteors.push_back(m);
  } else if (key == "telling") {
    const int track = line.Int();
    for (int step = line.Int(); !line.AtEnd(); ++step) in.telling[track][step] = line.Point();
  } else if (key == "pin") {
    const int track = line.Int();
    const int step = line.Int();
    in.pins[track][step] = line.Point();
  } else if (key == "turn") {
    const int track = line.Int();
    Turn t;
    t.from = line.Int();
    t.to = line.Int();
    t.at = line.Point();
    in.turns[track].push_back(t);
  } else if (key == "move" || key == "rise") {
    const int track = line.Int();
    PlantedMove m;
    m.step = line.Int();
    m.dx = key == "move" ? line.Int() : 0;
    m.dy = line.Int();
    (key == "move" ? in.moves : in.rises)[track].push_back(m);
  } else if (key == "repeat") {
    ReadTrackList(line, in.repeats);
  } else if (key == "orb") {
    const int track = line.Int();
    in.orbs[track] = ParseOrbWay(line);
  } else if (key == "slowstart") {
    ReadTrackList(line, in.slowStarts);
  } else if (key == "softlanding") {
    ReadTrackList(line, in.softLandings);
  } else {
    line.Fail("unknown line " + key);
  }
  if (!line.AtEnd()) line.Fail("too many values");
}

template <typename Fn>
void ForEachLine(const std::string& path, Fn fn) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error(path + ": cannot be read");
  std::string text;
  for (int number = 1; std::getline(file, text); ++number) {
    const auto hash = text.find('#');
    if (hash != std::string::npos) text.erase(hash);
    LineReader line(path, number, text);
    if (line.AtEnd()) continue;
    fn(line);
  }
}

}  // namespace

PatternInput ReadPatternInput(const std::string& path) {
  PatternInput in;
  ForEachLine(path, [&](LineReader& line) { ReadLine(line, line.Word(), in); });
  if (in.name.empty()) throw std::runtime_error(path + ": no pattern line");
  return in;
}

std::uint64_t ReadSeed(const std::string& path) {
  std::uint64_t seed = 0;
  ForEachLine(path, [&](LineReader& line) {
    if (line.Word() != "seed") line.Fail("expected: seed <number>");
    seed = std::uint64_t(line.Int());
  });
  return seed;
}

}  // namespace trackgen
