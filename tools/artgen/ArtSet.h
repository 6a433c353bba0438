#pragma once
// Every picture the program carries, drawn in its final colours, before it
// is written to a file.
#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

struct TArtPicture {
  QString Name;    // component name and file stem, e.g. "imgGift1M7"
  QImage Colours;  // RGB32, the colours the picture shows
  int Depth = 8;   // 8: stored with the globe palette; 24: stored true-colour
  bool IsMask = false;
};

// The globe picture first, then the sprite pictures, each followed by its mask.
std::vector<TArtPicture> DrawAllPictures();

}  // namespace artgen
