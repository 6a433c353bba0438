#pragma once
// The windows are designed for two Japanese faces; IPA's metric-compatible
// faces stand in for them here.
#include <QFont>

namespace platform {

inline constexpr int kDesignFontPixels = 12;  // 12-pixel characters

// Maps "ＭＳ Ｐゴシック" to IPAPGothic and "ＭＳ ゴシック" to IPAGothic.
void InstallFontSubstitutions();
// "ＭＳ Ｐゴシック", 12 px: the windows' own font.
QFont ProportionalGothic();
// "ＭＳ ゴシック", 12 px: the fixed-pitch face of the read-me text.
QFont FixedGothic();

}  // namespace platform
