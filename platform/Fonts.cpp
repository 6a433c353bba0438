#include "platform/Fonts.h"

namespace platform {
namespace {

const QString kProportionalFace = QStringLiteral("ＭＳ Ｐゴシック");
const QString kFixedFace = QStringLiteral("ＭＳ ゴシック");

QFont DesignFont(const QString& family) {
  QFont font(family);
  font.setPixelSize(kDesignFontPixels);
  return font;
}

}  // namespace

void InstallFontSubstitutions() {
  QFont::insertSubstitution(kProportionalFace, QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(kFixedFace, QStringLiteral("IPAGothic"));
}

QFont ProportionalGothic() {
  return DesignFont(kProportionalFace);
}

QFont FixedGothic() {
  return DesignFont(kFixedFace);
}

}  // namespace platform
