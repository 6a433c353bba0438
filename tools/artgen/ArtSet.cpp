#include "tools/artgen/ArtSet.h"

#include "tools/artgen/GlobeScene.h"

namespace artgen {

std::vector<TArtPicture> DrawAllPictures() {
  std::vector<TArtPicture> pictures;
  pictures.push_back({QStringLiteral("imgBack"), DrawGlobeScene(), 8, false});
  return pictures;
}

}  // namespace artgen
