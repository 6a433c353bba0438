#pragma once
// A proof sheet for looking at the art: every sprite stamped over the globe
// the way the program stamps it, at 1:1 and enlarged, plus the icons.
#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

struct TSheetSprite {
  QString Name;
  QImage Picture;  // as read back from the written file
  QImage Mask;
};

QImage DrawContactSheet(const QImage& globe, const std::vector<TSheetSprite>& sprites,
                        const std::vector<QImage>& icons);

}  // namespace artgen
