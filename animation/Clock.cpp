#include "animation/Clock.h"

#include "platform/Canvas.h"

namespace {

// The picture pair a visible point shows: frame 1 while the sprite stands
// still, the running frame otherwise.
const TSpriteRef& PairFor(const TSpriteCatalogue& catalogue, const TTrack& track, std::int32_t step,
                          std::int32_t spriteFrame) {
  const std::int32_t kind = track[0].X;
  const bool still = track[step] == track[step - 1];
  return catalogue.At(still ? 1 : spriteFrame, kind);
}

void Stamp(platform::TCanvas& canvas, const TSpriteRef& pair, TPoint corner) {
  canvas.CopyMode = platform::TCopyMode::cmSrcAnd;
  canvas.Draw(corner.X, corner.Y, pair.Mask->Bitmap);
  canvas.CopyMode = platform::TCopyMode::cmSrcPaint;
  canvas.Draw(corner.X, corner.Y, pair.Image->Bitmap);
}

}  // namespace

void ComposeStep(TClockState& clock, std::int32_t step, const TScene& scene, QImage& offscreen) {
  clock.SpriteFrame = clock.SceneFrame;
  platform::TCanvas canvas(offscreen);
  canvas.CopyMode = platform::TCopyMode::cmSrcCopy;
  canvas.Draw(0, 0, scene.Globe);

  for (std::int32_t t = 0; t < scene.TrackCount; ++t) {
    const TTrack& track = scene.Pattern[t];
    const TPoint point = track[step];
    if (point.X == 0) continue;
    // A visible point moves the frame on even when its kind has no pictures,
    // so the sprites after it keep the frames they would have had.
    clock.SpriteFrame = NextFrame(clock.SpriteFrame);
    const TSpriteRef& pair = PairFor(scene.Catalogue, track, step, clock.SpriteFrame);
    if (pair.Empty()) continue;
    const TPoint hotSpot = scene.Catalogue.HotSpotOf(track[0].X);
    Stamp(canvas, pair, {point.X - hotSpot.X, point.Y - hotSpot.Y});
  }
  clock.SceneFrame = NextFrame(clock.SceneFrame);
}
