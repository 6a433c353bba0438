// Writes the program's pictures, icons and cursor.
// Usage: yukipom_artgen <assets folder> [contact sheet .png]
#include <cstdio>

#include "tools/artgen/Generator.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <assets folder> [contact-sheet.png]\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString sheet = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  return artgen::GenerateAssets(folder, sheet) ? 0 : 1;
}
