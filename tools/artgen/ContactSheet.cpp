#include "tools/artgen/ContactSheet.h"

#include <QPainter>

namespace artgen {
namespace {

constexpr int kSheetWidth = 1240;
constexpr int kGap = 8;
constexpr int kEnlarged = 3;

// The program's two-step stamp: AND with the mask, then OR with the picture.
void Stamp(QImage& target, const TSheetSprite& sprite, QPoint corner) {
  for (int y = 0; y < sprite.Mask.height(); ++y) {
    for (int x = 0; x < sprite.Mask.width(); ++x) {
      const QPoint at = corner + QPoint(x, y);
      if (!target.valid(at)) continue;
      const QRgb under = target.pixel(at);
      const QRgb stamped = (under & sprite.Mask.pixel(x, y)) | sprite.Picture.pixel(x, y);
      target.setPixel(at, stamped | 0xff000000u);
    }
  }
}

const TSheetSprite* Find(const std::vector<TSheetSprite>& sprites, const char* name) {
  for (const TSheetSprite& s : sprites)
    if (s.Name == QLatin1String(name)) return &s;
  return nullptr;
}

// One frame of a show, with every kind of sprite somewhere on the glass.
QImage SampleFrame(const QImage& globe, const std::vector<TSheetSprite>& sprites) {
  struct TPlacement {
    const char* Name;
    QPoint Corner;
  };
  const TPlacement placements[] = {
      {"imgSnow7", {40, 40}},    {"imgSnow8", {150, 210}},  {"imgAngel", {220, 120}},
      {"imgSanta1", {30, 120}},  {"imgSnowman", {120, 30}}, {"imgSnow1", {200, 40}},
      {"imgSnow2", {150, 120}},  {"imgSnow3", {100, 100}},  {"imgSnow42", {170, 150}},
      {"imgSnow53", {90, 180}},  {"imgSnow6", {240, 170}},  {"imgGift1", {60, 230}},
      {"imgGift24", {110, 226}}, {"imgKuma3", {200, 240}},  {"imgSnow32", {130, 160}},
  };
  QImage frame = globe.convertToFormat(QImage::Format_RGB32);
  for (const TPlacement& placement : placements)
    if (const TSheetSprite* sprite = Find(sprites, placement.Name))
      Stamp(frame, *sprite, placement.Corner);
  return frame;
}

// The sprite over a patch of dark sky and a patch of the light beard.
QImage Tile(const QImage& globe, const TSheetSprite& sprite) {
  const QSize size = sprite.Picture.size() + QSize(8, 8);
  QImage tile(size.width() * 2 + 4, size.height(), QImage::Format_RGB32);
  tile.fill(Qt::black);
  QPainter p(&tile);
  p.drawImage(QPoint(0, 0), globe, QRect(QPoint(30, 60), size));
  p.drawImage(QPoint(size.width() + 4, 0), globe, QRect(QPoint(112, 150), size));
  p.end();
  Stamp(tile, sprite, {4, 4});
  Stamp(tile, sprite, {size.width() + 8, 4});
  return tile;
}

class TFlow {
 public:
  explicit TFlow(QPainter& p) : p_(p) {}
  void Place(const QImage& image) {
    if (x_ + image.width() > kSheetWidth - kGap) NewRow();
    p_.drawImage(x_, y_, image);
    x_ += image.width() + kGap;
    rowHeight_ = std::max(rowHeight_, image.height());
  }
  void NewRow() {
    y_ += rowHeight_ + kGap;
    x_ = kGap;
    rowHeight_ = 0;
  }
  int Bottom() const { return y_ + rowHeight_ + kGap; }

 private:
  QPainter& p_;
  int x_ = kGap;
  int y_ = kGap;
  int rowHeight_ = 0;
};

QImage Enlarged(const QImage& image) {
  return image.scaled(image.size() * kEnlarged);
}

}  // namespace

QImage DrawContactSheet(const QImage& globe, const std::vector<TSheetSprite>& sprites,
                        const std::vector<QImage>& icons) {
  QImage sheet(kSheetWidth, 6000, QImage::Format_RGB32);
  sheet.fill(QColor(24, 24, 28));
  QPainter p(&sheet);
  TFlow flow(p);
  const QImage frame = SampleFrame(globe, sprites);
  flow.Place(frame);
  flow.Place(frame.scaled(frame.size() * 2));
  flow.NewRow();
  for (const TSheetSprite& sprite : sprites) flow.Place(Tile(globe, sprite));
  flow.NewRow();
  for (const QImage& icon : icons) flow.Place(icon);
  for (const QImage& icon : icons) flow.Place(Enlarged(icon));
  flow.NewRow();
  for (const TSheetSprite& sprite : sprites) flow.Place(Enlarged(Tile(globe, sprite)));
  p.end();
  return sheet.copy(0, 0, kSheetWidth, flow.Bottom());
}

}  // namespace artgen
