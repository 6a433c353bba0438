#pragma once
// The sprite catalogue: for each kind (1..17) and frame (1..8) the picture
// pair to stamp, and for each kind the hot spot that lands on the track's
// point. Built once from the source pictures, read-only afterwards.
#include <QHash>
#include <QRect>
#include <array>
#include <vector>

#include "animation/Pictures.h"
#include "animation/patterns/TTrack.h"

inline constexpr int kSpriteFrames = 8;
inline constexpr int kSpriteKinds = 17;
inline constexpr int kSpritePictureCount = 86;  // sprite pictures and masks

struct TSpriteRef {
  const TPicture* Image = nullptr;
  const TPicture* Mask = nullptr;
  bool Empty() const { return Image == nullptr || Mask == nullptr; }
};

// How a kind's frames map onto its pictures.
enum class TFramePattern {
  OnePair,       // every frame shows the same pair
  ThreePhases,   // frames 1, 4, 7: A; 2, 5, 8: B; 3, 6: C
  EightPictures  // frame f shows the f-th pair
};

struct TKindArt {
  int Kind;
  TFramePattern Pattern;
  const char* Base;  // name of the first picture, e.g. "imgGift1"
};

// The kinds with pictures, in the order the catalogue fills them.
inline constexpr std::array<TKindArt, 14> kKindArt = {{
    {1, TFramePattern::OnePair, "imgAngel"},
    {2, TFramePattern::OnePair, "imgSanta1"},
    {4, TFramePattern::OnePair, "imgSnowman"},
    {5, TFramePattern::OnePair, "imgSnow1"},
    {6, TFramePattern::OnePair, "imgSnow2"},
    {7, TFramePattern::ThreePhases, "imgSnow3"},
    {8, TFramePattern::ThreePhases, "imgSnow4"},
    {9, TFramePattern::ThreePhases, "imgSnow5"},
    {10, TFramePattern::ThreePhases, "imgSnow6"},
    {11, TFramePattern::OnePair, "imgSnow7"},
    {12, TFramePattern::OnePair, "imgSnow8"},
    {13, TFramePattern::EightPictures, "imgGift1"},
    {14, TFramePattern::EightPictures, "imgGift2"},
    {15, TFramePattern::EightPictures, "imgKuma"},
}};

// The picture of a kind for frame 1..8: 1 for one pair, 1..3 for the three
// phases, 1..8 for eight pictures.
constexpr int PictureNumber(TFramePattern pattern, int frame) {
  switch (pattern) {
    case TFramePattern::OnePair:
      return 1;
    case TFramePattern::ThreePhases:
      return (frame - 1) % 3 + 1;
    case TFramePattern::EightPictures:
      return frame;
  }
  return 1;
}

// Picture 1 keeps the bare name; picture n appends n; a mask puts M before
// the number ("imgGift1" 2 -> "imgGift12", mask "imgGift1M2").
inline QString SpritePictureName(const char* base, int number, bool mask) {
  QString name = QString::fromLatin1(base);
  if (mask) name += QLatin1Char('M');
  if (number > 1) name += QString::number(number);
  return name;
}

// Which point of a kind's pictures lands on the track's point; kinds 3, 16
// and 17 have a point but no pictures.
inline constexpr std::array<TPoint, kSpriteKinds + 1> kHotSpots = {{
    {0, 0},
    {17, 17},
    {23, 28},
    {27, 9},
    {12, 12},
    {12, 12},
    {12, 12},
    {14, 14},
    {14, 14},
    {14, 14},
    {14, 14},
    {40, 25},
    {53, 25},
    {16, 16},
    {16, 16},
    {16, 16},
    {27, 9},
    {27, 9},
}};

// The pictures that take the globe palette, in the order they take it: the
// tumbling kinds frame by frame, each picture before its mask, then the two
// sleighs, then the girl.
extern const std::array<const char*, 54> kPaletteStepPictures;

// The 86 sprite and mask pictures, owned by the main window.
class TSpriteSources {
 public:
  // Loads every picture of kKindArt once, each picture followed by its mask.
  void LoadAll();
  // A name that is not a sprite picture is a programming fault: it aborts.
  const TPicture& operator[](const QString& name) const;
  TPicture& operator[](const QString& name);
  const std::vector<TPicture>& All() const { return pictures_; }

 private:
  int IndexOf(const QString& name) const;
  std::vector<TPicture> pictures_;
  QHash<QString, int> index_;
};

struct TSpriteCatalogue {
  // Indexed [frame][kind], both from 1; index 0 of each stays empty.
  std::array<std::array<TSpriteRef, kSpriteKinds + 1>, kSpriteFrames + 1> SpriteTable{};
  std::array<TPoint, kSpriteKinds + 1> HotSpot{};

  // Empty pair for kinds without pictures and for any index out of range.
  const TSpriteRef& At(int frame, int kind) const;
  // (0, 0) for a kind out of range.
  TPoint HotSpotOf(int kind) const;
  // The pixels a sprite standing at `at` covers; empty if it has no picture.
  QRect StampRect(int frame, int kind, TPoint at) const;
};

// Fills SpriteTable kind by kind, then HotSpot, then gives the listed sprite
// pictures the globe picture's palette.
void BuildSpriteCatalogue(TSpriteCatalogue& catalogue, TSpriteSources& sources,
                          const TPicture& globe);
