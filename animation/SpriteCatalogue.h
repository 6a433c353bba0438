#pragma once
// The sprite catalogue: for each kind (1..17) and frame (1..8) the picture
// pair to stamp, and for each kind the hot spot that lands on the track's
// point. Built once from the source pictures, read-only afterwards.
#include <array>
#include <vector>

#include "animation/Pictures.h"
#include "animation/patterns/TTrack.h"

inline constexpr int kSpriteFrames = 8;
inline constexpr int kSpriteKinds = 17;

struct TSpriteRef {
  const TPicture* Image = nullptr;
  const TPicture* Mask = nullptr;
  bool Empty() const { return Image == nullptr || Mask == nullptr; }
};

// The 86 sprite and mask pictures, owned by the main window.
class TSpriteSources {
 public:
  void LoadAll();
  const TPicture& operator[](const QString& name) const;
  TPicture& operator[](const QString& name);
  const std::vector<TPicture>& All() const { return pictures_; }

 private:
  std::vector<TPicture> pictures_;
};

struct TSpriteCatalogue {
  // Indexed [frame][kind], both from 1; index 0 of each stays empty.
  std::array<std::array<TSpriteRef, kSpriteKinds + 1>, kSpriteFrames + 1> SpriteTable{};
  std::array<TPoint, kSpriteKinds + 1> HotSpot{};

  // Empty pair for kinds without pictures and for any index out of range.
  const TSpriteRef& At(int frame, int kind) const;
  // (0, 0) for a kind out of range.
  TPoint HotSpotOf(int kind) const;
};

// Fills SpriteTable, then HotSpot, then gives the listed sprite pictures the
// globe picture's palette.
void BuildSpriteCatalogue(TSpriteCatalogue& catalogue, TSpriteSources& sources,
                          const TPicture& globe);
