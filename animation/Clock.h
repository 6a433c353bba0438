#pragma once
// The playback clock's timeline and the compositor of one drawn step.
#include <QImage>
#include <cstdint>

#include "animation/SpriteCatalogue.h"
#include "animation/patterns/TTrack.h"

inline constexpr int kTimerInterval = 100;     // ms between ticks
inline constexpr int kLastDrawnStep = 150;     // steps 1..150 are drawn
inline constexpr int kRestartThreshold = 180;  // above this the cycle restarts
inline constexpr int kAnimationFrames = 8;

struct TClockState {
  std::int32_t Step = 0;         // timeline position, set by StartClock
  std::int32_t SceneFrame = 1;   // frame at the start of the next drawn tick
  std::int32_t SpriteFrame = 0;  // frame counter within one drawn tick
};

enum class TTickPhase { Draw, Pause, Restart };

// Which branch a tick takes at `step`.
constexpr TTickPhase PhaseOf(std::int32_t step) {
  if (step > kRestartThreshold) return TTickPhase::Restart;
  if (step > kLastDrawnStep) return TTickPhase::Pause;
  return TTickPhase::Draw;
}

// The frame after `frame`, wrapping from 8 to 1.
constexpr std::int32_t NextFrame(std::int32_t frame) {
  return frame % kAnimationFrames + 1;
}

// What a drawn step reads: the selected pattern, the catalogue and the globe.
struct TScene {
  const TTrack* Pattern;
  std::int32_t TrackCount;
  const TSpriteCatalogue& Catalogue;
  const QImage& Globe;  // Format_RGB32, as large as the back buffer
};

// Composes step `step` (1..150) into `offscreen`: the plain globe, then
// every track visible at that step stamped in table order (mask with AND,
// picture with OR at the point less the hot spot). Moves SpriteFrame along
// and advances SceneFrame once. Allocates nothing.
void ComposeStep(TClockState& clock, std::int32_t step, const TScene& scene, QImage& offscreen);
