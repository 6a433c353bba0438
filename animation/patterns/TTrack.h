#pragma once
// One sprite's path through a cycle: point 0 is the header (X = sprite kind,
// Y = 0), points 1 to 150 the hot point per step, X = 0 meaning hidden.
// The tables are plain constant data read in place, so the layout is fixed.
#include <array>
#include <bit>
#include <cstdint>

struct TPoint {
  std::int32_t X;
  std::int32_t Y;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

inline constexpr int kTrackSteps = 150;
using TTrack = std::array<TPoint, kTrackSteps + 1>;

static_assert(sizeof(TPoint) == 8, "a point is two 32-bit integers");
static_assert(sizeof(TTrack) == 1208, "a track is 151 points, header first");
static_assert(std::endian::native == std::endian::little,
              "the tables are stored as little-endian integers");
