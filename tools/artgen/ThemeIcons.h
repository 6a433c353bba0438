#pragma once
// The program's icon for the desktop's icon theme: the main icon's figure on
// a transparent surround, at every size a menu or launcher asks for.
#include <QImage>
#include <QString>
#include <array>

namespace artgen {

inline constexpr std::array<int, 8> kThemeIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

QImage DrawThemeIcon(int size);  // ARGB32, size x size

// Writes <folder>/<N>x<N>/apps/<name>.png for every theme size. Returns false
// (after printing why) if a file cannot be written.
bool WriteThemeIcons(const QString& folder, const QString& name);

}  // namespace artgen
