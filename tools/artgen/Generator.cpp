#include "tools/artgen/Generator.h"

#include <QDir>
#include <QFile>
#include <cstdio>

#include "tools/artgen/ArtSet.h"
#include "tools/artgen/BitmapWriter.h"
#include "tools/artgen/Palette.h"

namespace artgen {
namespace {

// Sprite colours count for more than the scene's: the sprites are small but
// they are what the eye follows.
constexpr double kSceneWeight = 1.0;
constexpr double kSpriteWeight = 3.0;

THistogram ColoursToServe(const std::vector<TArtPicture>& pictures) {
  THistogram histogram;
  for (const TArtPicture& picture : pictures) {
    if (picture.Depth != 8 || picture.IsMask) continue;
    const double weight = picture.Name == QLatin1String("imgBack") ? kSceneWeight : kSpriteWeight;
    for (int y = 0; y < picture.Colours.height(); ++y) {
      for (int x = 0; x < picture.Colours.width(); ++x) {
        const QRgb c = picture.Colours.pixel(x, y) | 0xff000000u;
        if (c != qRgb(0, 0, 0)) histogram[c] += weight;
      }
    }
  }
  return histogram;
}

TIndexedImage Quantise(const TArtPicture& picture, TNearestColour& nearest) {
  const QImage& image = picture.Colours;
  TIndexedImage out{image.width(), image.height(), {}};
  out.Indices.reserve(static_cast<size_t>(image.width() * image.height()));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y) | 0xff000000u;
      // Masks hold exactly the two fixed ends of the palette.
      if (picture.IsMask)
        out.Indices.push_back(c == qRgb(0, 0, 0) ? kBlackIndex : kWhiteIndex);
      else
        out.Indices.push_back(nearest.IndexOf(c));
    }
  }
  return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
    return true;
  std::fprintf(stderr, "yukipom_artgen: cannot write %s: %s\n", qPrintable(path),
               qPrintable(file.errorString()));
  return false;
}

}  // namespace

bool GenerateAssets(const QString& folder, const QString& contactSheet) {
  const QDir dir(folder);
  const std::vector<TArtPicture> pictures = DrawAllPictures();
  const TPalette palette = BuildGlobePalette(ColoursToServe(pictures));
  TNearestColour nearest(palette);

  for (const TArtPicture& picture : pictures) {
    const QByteArray bytes = picture.Depth == 8 ? EncodeBmp8(Quantise(picture, nearest), palette)
                                                : EncodeBmp24(picture.Colours);
    if (!WriteFile(dir.filePath(picture.Name + QStringLiteral(".bmp")), bytes)) return false;
  }
  (void)contactSheet;
  return true;
}

}  // namespace artgen
