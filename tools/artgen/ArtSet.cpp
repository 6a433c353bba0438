#include "tools/artgen/ArtSet.h"

#include "animation/SpriteCatalogue.h"

#include "tools/artgen/Cutout.h"
#include "tools/artgen/GlobeScene.h"
#include "tools/artgen/Sprites.h"

namespace artgen {
namespace {

// A snowflake's three phases are three turning positions, a third of its
// sixfold period apart, so A, B, C, A... reads as a steady spin.
constexpr double kPhaseTurn[] = {0, 20, 40};
constexpr int kTumbleFrames = 8;
// The orb's rim glows: a pale blue line, no dark edge at all.
constexpr TOutline kOrbOutline{0xff7088cc, 0.35};

class TPictureList {
 public:
  void Add(const QString& name, const QString& maskName, const TSpritePair& pair, int pictureDepth,
           int maskDepth) {
    pictures_.push_back({name, pair.Picture, pictureDepth, false});
    pictures_.push_back({maskName, pair.Mask, maskDepth, true});
  }
  void AddScene(const QString& name, const QImage& scene) {
    pictures_.push_back({name, scene, 8, false});
  }
  std::vector<TArtPicture> Take() { return std::move(pictures_); }

 private:
  std::vector<TArtPicture> pictures_;
};

// Names the pictures exactly as the catalogue looks them up.
void AddPair(TPictureList& list, const char* base, const TSpritePair& pair, int number = 1,
             int pictureDepth = 8, int maskDepth = 8) {
  list.Add(SpritePictureName(base, number, false), SpritePictureName(base, number, true), pair,
           pictureDepth, maskDepth);
}

void AddSnowflake(TPictureList& list, const char* base, TFlake flake) {
  for (int phase = 0; phase < 3; ++phase)
    AddPair(list, base, CutOut(DrawSnowflake(flake, kPhaseTurn[phase])), phase + 1);
}

// Frames 1 and 2 are drawn upright and at 45 degrees; every later frame is
// one of them turned by whole quarters, so their masks turn exactly.
// `trueColourFrame` (if any) is stored without the palette.
void AddTumbler(TPictureList& list, const char* base, QImage (*draw)(double),
                int trueColourFrame = 0) {
  const TSpritePair upright = CutOut(draw(0));
  const TSpritePair tilted = CutOut(draw(45));
  for (int frame = 1; frame <= kTumbleFrames; ++frame) {
    const TSpritePair& start = frame % 2 == 1 ? upright : tilted;
    const int depth = frame == trueColourFrame ? 24 : 8;
    AddPair(list, base, TurnQuarterClockwise(start, (frame - 1) / 2), frame, depth);
  }
}

}  // namespace

std::vector<TArtPicture> DrawAllPictures() {
  TPictureList list;
  list.AddScene(QStringLiteral("imgBack"), DrawGlobeScene());
  AddPair(list, "imgAngel", CutOut(DrawOrb(), kOrbOutline));
  // The girl and her silhouette are kept in true colour.
  AddPair(list, "imgSanta1", CutOut(DrawGirl(), kLightOutline), 1, 24, 24);
  AddPair(list, "imgSnowman", CutOut(DrawSparkle(QColor(70, 140, 255)), kLightOutline));
  AddPair(list, "imgSnow1", CutOut(DrawSparkle(QColor(255, 206, 40)), kLightOutline));
  AddPair(list, "imgSnow2", CutOut(DrawSparkle(QColor(236, 240, 255)), kLightOutline));
  AddSnowflake(list, "imgSnow3", TFlake::Feathery);
  AddSnowflake(list, "imgSnow4", TFlake::Plate);
  AddSnowflake(list, "imgSnow5", TFlake::Lacy);
  AddSnowflake(list, "imgSnow6", TFlake::Star);
  const TSpritePair headingLeft = CutOut(DrawSleighHeadingLeft());
  AddPair(list, "imgSnow7", headingLeft);
  AddPair(list, "imgSnow8", MirrorLeftRight(headingLeft));
  AddTumbler(list, "imgGift1", DrawRedGift, 7);
  AddTumbler(list, "imgGift2", DrawGreenGift);
  AddTumbler(list, "imgKuma", DrawTeddyBear);
  return list.Take();
}

}  // namespace artgen
