#pragma once
// Points, tracks and the few measures every part of the generator shares.
#include <array>
#include <cmath>

namespace trackgen {

struct Pt {
  int x = 0;
  int y = 0;
  friend bool operator==(const Pt&, const Pt&) = default;
};

inline constexpr int kSteps = 150;
// Index 0 is the header (kind, 0); 1 to 150 the steps; x == 0 is hidden.
using Path = std::array<Pt, kSteps + 1>;

inline constexpr double kCentreX = 148.0;
inline constexpr double kCentreY = 150.0;

inline bool Visible(const Pt& p) {
  return p.x != 0;
}
inline double Length(int dx, int dy) {
  return std::hypot(double(dx), double(dy));
}
inline double Distance(const Pt& a, const Pt& b) {
  return Length(b.x - a.x, b.y - a.y);
}
inline double FromCentre(const Pt& p) {
  return std::hypot(p.x - kCentreX, p.y - kCentreY);
}

}  // namespace trackgen
