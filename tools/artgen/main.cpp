// Writes the program's pictures, icons and cursor.
// Usage: yukipom-artgen <assets folder> [contact sheet .png]
//        yukipom-artgen --theme-icons <folder>   (the desktop theme's icons)
#include <cstdio>
#include <cstring>

#include "tools/artgen/Generator.h"
#include "tools/artgen/ThemeIcons.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--theme-icons") == 0) {
    const QString folder = QString::fromLocal8Bit(argv[2]);
    return artgen::WriteThemeIcons(folder, QStringLiteral("yukipom")) ? 0 : 1;
  }
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr,
                 "usage: %s <assets folder> [contact-sheet.png]\n"
                 "       %s --theme-icons <folder>\n",
                 argv[0], argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString sheet = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  return artgen::GenerateAssets(folder, sheet) ? 0 : 1;
}
