// Placeholder: the art work fills the catalogue.
#include "animation/SpriteCatalogue.h"

void TSpriteSources::LoadAll() {}

const TPicture& TSpriteSources::operator[](const QString&) const { return pictures_.front(); }
TPicture& TSpriteSources::operator[](const QString&) { return pictures_.front(); }

const TSpriteRef& TSpriteCatalogue::At(int frame, int kind) const {
  static const TSpriteRef empty;
  if (frame < 1 || frame > kSpriteFrames || kind < 1 || kind > kSpriteKinds) return empty;
  return SpriteTable[frame][kind];
}

TPoint TSpriteCatalogue::HotSpotOf(int kind) const {
  if (kind < 1 || kind > kSpriteKinds) return {0, 0};
  return HotSpot[kind];
}

void BuildSpriteCatalogue(TSpriteCatalogue&, TSpriteSources&, const TPicture&) {}
