#include "animation/SpriteCatalogue.h"

#include <cstdio>
#include <cstdlib>

const std::array<const char*, 54> kPaletteStepPictures = {
    "imgGift1",  "imgGift1M",  "imgGift12", "imgGift1M2", "imgGift13", "imgGift1M3",
    "imgGift14", "imgGift1M4", "imgGift15", "imgGift1M5", "imgGift16", "imgGift1M6",
    "imgGift17", "imgGift1M7", "imgGift18", "imgGift1M8", "imgGift2",  "imgGift2M",
    "imgGift22", "imgGift2M2", "imgGift23", "imgGift2M3", "imgGift24", "imgGift2M4",
    "imgGift25", "imgGift2M5", "imgGift26", "imgGift2M6", "imgGift27", "imgGift2M7",
    "imgGift28", "imgGift2M8", "imgKuma",   "imgKumaM",   "imgKuma2",  "imgKumaM2",
    "imgKuma3",  "imgKumaM3",  "imgKuma4",  "imgKumaM4",  "imgKuma5",  "imgKumaM5",
    "imgKuma6",  "imgKumaM6",  "imgKuma7",  "imgKumaM7",  "imgKuma8",  "imgKumaM8",
    "imgSnow7",  "imgSnow7M",  "imgSnow8",  "imgSnow8M",  "imgSanta1", "imgSanta1M",
};

namespace {

int PictureCount(TFramePattern pattern) {
  switch (pattern) {
    case TFramePattern::OnePair:
      return 1;
    case TFramePattern::ThreePhases:
      return 3;
    case TFramePattern::EightPictures:
      return kSpriteFrames;
  }
  return 0;
}

}  // namespace

void TSpriteSources::LoadAll() {
  pictures_.clear();
  index_.clear();
  pictures_.reserve(kSpritePictureCount);
  for (const TKindArt& art : kKindArt) {
    for (int n = 1; n <= PictureCount(art.Pattern); ++n) {
      for (const bool mask : {false, true}) {
        const QString name = SpritePictureName(art.Base, n, mask);
        index_.insert(name, static_cast<int>(pictures_.size()));
        pictures_.push_back(LoadPicture(name));
      }
    }
  }
}

int TSpriteSources::IndexOf(const QString& name) const {
  const auto it = index_.constFind(name);
  if (it != index_.constEnd()) return it.value();
  std::fprintf(stderr, "yukipom: %s is not a sprite picture\n", qPrintable(name));
  std::abort();
}

const TPicture& TSpriteSources::operator[](const QString& name) const {
  return pictures_[static_cast<size_t>(IndexOf(name))];
}

TPicture& TSpriteSources::operator[](const QString& name) {
  return pictures_[static_cast<size_t>(IndexOf(name))];
}

const TSpriteRef& TSpriteCatalogue::At(int frame, int kind) const {
  static const TSpriteRef empty;
  if (frame < 1 || frame > kSpriteFrames || kind < 1 || kind > kSpriteKinds) return empty;
  return SpriteTable[frame][kind];
}

TPoint TSpriteCatalogue::HotSpotOf(int kind) const {
  if (kind < 1 || kind > kSpriteKinds) return {0, 0};
  return HotSpot[kind];
}

QRect TSpriteCatalogue::StampRect(int frame, int kind, TPoint at) const {
  const TSpriteRef& pair = At(frame, kind);
  if (pair.Empty()) return {};
  const TPoint hot = HotSpotOf(kind);
  return {QPoint(at.X - hot.X, at.Y - hot.Y), pair.Image->Bitmap.size()};
}

void BuildSpriteCatalogue(TSpriteCatalogue& catalogue, TSpriteSources& sources,
                          const TPicture& globe) {
  for (const TKindArt& art : kKindArt) {
    for (int frame = 1; frame <= kSpriteFrames; ++frame) {
      const int n = PictureNumber(art.Pattern, frame);
      catalogue.SpriteTable[frame][art.Kind] = {&sources[SpritePictureName(art.Base, n, false)],
                                                &sources[SpritePictureName(art.Base, n, true)]};
    }
  }
  for (int kind = 1; kind <= kSpriteKinds; ++kind) catalogue.HotSpot[kind] = kHotSpots[kind];
  // Only the colour table changes: the pixels (held in true colour) stay
  // exactly as they are, so every picture keeps its colours.
  for (const char* name : kPaletteStepPictures)
    sources[QString::fromLatin1(name)].Palette = globe.Palette;
}
