#include "tools/artgen/Generator.h"

#include <QDir>
#include <QFile>
#include <cstdio>

#include "tools/artgen/ArtSet.h"
#include "tools/artgen/BitmapWriter.h"
#include "tools/artgen/ContactSheet.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Palette.h"

namespace artgen {
namespace {

// Sprite colours count for more than the scene's: the sprites are small but
// they are what the eye follows.
constexpr double kSceneWeight = 1.0;
constexpr double kSpriteWeight = 3.0;

void Count(THistogram& histogram, const QImage& image, double weight) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y) | 0xff000000u;
      if (c != qRgb(0, 0, 0)) histogram[c] += weight;
    }
  }
}

THistogram ColoursToServe(const std::vector<TArtPicture>& pictures) {
  THistogram histogram;
  for (const TArtPicture& picture : pictures) {
    if (picture.Depth != 8 || picture.IsMask) continue;
    const double weight = picture.Name == QLatin1String("imgBack") ? kSceneWeight : kSpriteWeight;
    Count(histogram, picture.Colours, weight);
  }
  return histogram;
}

TIndexedImage Quantise(const QImage& image, bool isMask, TNearestColour& nearest) {
  TIndexedImage out{image.width(), image.height(), {}};
  out.Indices.reserve(static_cast<size_t>(image.width() * image.height()));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y) | 0xff000000u;
      // Masks hold exactly the two fixed ends of the palette.
      if (isMask)
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

// An icon has a palette of its own, fitted to its colours alone.
QByteArray EncodeIcon(const QImage& icon) {
  THistogram histogram;
  Count(histogram, icon, 1.0);
  const TPalette palette = FitPalette(histogram);
  TNearestColour nearest(palette);
  return EncodeIco8(Quantise(icon, false, nearest), palette);
}

// Reads every written sprite back and lays it out on the proof sheet.
bool WriteContactSheet(const QString& path, const std::vector<TArtPicture>& pictures,
                       const std::vector<QByteArray>& files, const std::vector<QImage>& icons) {
  std::vector<TSheetSprite> sprites;
  for (size_t i = 1; i + 1 < files.size(); i += 2) {
    sprites.push_back({pictures[i].Name, QImage::fromData(files[i], "BMP"),
                       QImage::fromData(files[i + 1], "BMP")});
  }
  const QImage globe = QImage::fromData(files[0], "BMP");
  if (DrawContactSheet(globe, sprites, icons).save(path, "PNG")) return true;
  std::fprintf(stderr, "yukipom_artgen: cannot write %s\n", qPrintable(path));
  return false;
}

bool GenerateAssets(const QString& folder, const QString& contactSheet) {
  const QDir dir(folder);
  const std::vector<TArtPicture> pictures = DrawAllPictures();
  const TPalette palette = FitPalette(ColoursToServe(pictures));
  TNearestColour nearest(palette);

  std::vector<QByteArray> files;
  for (const TArtPicture& picture : pictures) {
    files.push_back(picture.Depth == 8
                        ? EncodeBmp8(Quantise(picture.Colours, picture.IsMask, nearest), palette)
                        : EncodeBmp24(picture.Colours));
    if (!WriteFile(dir.filePath(picture.Name + QStringLiteral(".bmp")), files.back())) return false;
  }

  const QImage mainIcon = DrawMainIcon();
  const QImage wreath = DrawWreathIcon();
  const QImage hand = DrawHandCursor();
  if (!WriteFile(dir.filePath(QStringLiteral("MAINICON.ico")), EncodeIcon(mainIcon)) ||
      !WriteFile(dir.filePath(QStringLiteral("imgIcon1.ico")), EncodeIcon(wreath)) ||
      !WriteFile(dir.filePath(QStringLiteral("CURSOR_1.cur")), EncodeCur1(hand, kCursorHotSpot)))
    return false;
  return contactSheet.isEmpty() ||
         WriteContactSheet(contactSheet, pictures, files, {mainIcon, wreath, hand});
}

}  // namespace artgen
