#include "tools/artgen/GlobeScene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "tools/artgen/Shapes.h"

namespace artgen {
namespace {

const QColor kCapRed(196, 34, 44);
const QColor kFur(226, 230, 242);
const QColor kFurShade(166, 178, 206);
const QColor kSkin(244, 200, 168);
// The gold lid where the glass meets the base, seen from above.
const QPointF kLidCentre(148, 268);
const QSizeF kLidRadii(93, 9);

// A point in `area` from two draws of `random`, y first. The draws are
// separate statements because the order in which a call's arguments are
// evaluated differs between compilers, and with it the picture.
QPointF RandomPoint(TLcg& random, const QRectF& area) {
  const double y = area.top() + random.Next() * area.height();
  const double x = area.left() + random.Next() * area.width();
  return {x, y};
}

void DrawGround(QPainter& p) {
  QLinearGradient ground(0, 0, 0, kGlobeHeight);
  ground.setColorAt(0, QColor(60, 60, 66));
  ground.setColorAt(1, QColor(36, 36, 40));
  p.fillRect(0, 0, kGlobeWidth, kGlobeHeight, ground);
  QRadialGradient halo(kGlassCentre, 175);
  halo.setColorAt(0.7, QColor(110, 120, 150, 60));
  halo.setColorAt(1, Qt::transparent);
  p.fillRect(0, 0, kGlobeWidth, kGlobeHeight, halo);
}

void DrawSky(QPainter& p) {
  QLinearGradient sky(0, 15, 0, 270);
  sky.setColorAt(0, QColor(16, 26, 62));
  sky.setColorAt(0.6, QColor(34, 54, 104));
  sky.setColorAt(1, QColor(60, 86, 138));
  p.fillRect(0, 0, kGlobeWidth, kGlobeHeight, sky);
  // Snow drifting far behind everything: faint dots that never compete with
  // the sprites.
  TLcg random(1225);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 70; ++i) {
    const QPointF at = RandomPoint(random, QRectF(13, 15, 272, 250));
    const double r = 0.6 + random.Next() * 0.9;
    p.setBrush(QColor(200, 215, 245, 70 + static_cast<int>(random.Next() * 70)));
    p.drawEllipse(at, r, r);
  }
}

void DrawCoat(QPainter& p) {
  QLinearGradient coat(0, 180, 0, 270);
  coat.setColorAt(0, QColor(172, 30, 40));
  coat.setColorAt(1, QColor(110, 18, 28));
  p.setPen(QPen(QColor(60, 10, 16), 1.5));
  p.setBrush(coat);
  p.drawEllipse(QPointF(148, 262), 118, 78);
}

void DrawBeard(QPainter& p) {
  QPainterPath beard;
  beard.moveTo(98, 134);
  beard.cubicTo(92, 170, 104, 196, 122, 210);
  beard.cubicTo(132, 222, 142, 226, 148, 230);
  beard.cubicTo(154, 226, 164, 222, 174, 210);
  beard.cubicTo(192, 196, 204, 170, 198, 134);
  beard.closeSubpath();
  QLinearGradient shade(0, 134, 0, 230);
  shade.setColorAt(0, kFur);
  shade.setColorAt(1, kFurShade);
  p.setPen(QPen(QColor(110, 120, 150), 1.2));
  p.setBrush(shade);
  p.drawPath(beard);
  // Curls give the beard some texture.
  p.setPen(QPen(QColor(170, 180, 205), 1.2));
  p.setBrush(Qt::NoBrush);
  const QPointF curls[] = {{114, 176}, {132, 194}, {150, 206}, {168, 192}, {184, 174},
                           {122, 158}, {176, 158}, {142, 180}, {158, 182}};
  for (const QPointF& c : curls) p.drawArc(QRectF(c.x() - 6, c.y() - 4, 12, 8), 200 * 16, 140 * 16);
}

void DrawFace(QPainter& p) {
  QRadialGradient skin(QPointF(138, 120), 60);
  skin.setColorAt(0, kSkin.lighter(108));
  skin.setColorAt(1, QColor(214, 160, 128));
  p.setPen(QPen(QColor(120, 70, 50), 1.2));
  p.setBrush(skin);
  p.drawEllipse(QPointF(100, 134), 8, 11);
  p.drawEllipse(QPointF(196, 134), 8, 11);
  p.drawEllipse(QPointF(148, 130), 48, 38);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(238, 120, 120, 120));
  p.drawEllipse(QPointF(117, 142), 9, 7);
  p.drawEllipse(QPointF(179, 142), 9, 7);

  // Closed, smiling eyes under bushy brows.
  p.setPen(QPen(QColor(60, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(120, 120, 16, 12), 20 * 16, 140 * 16);
  p.drawArc(QRectF(160, 120, 16, 12), 20 * 16, 140 * 16);
  p.setPen(QPen(QColor(140, 150, 175), 1));
  p.setBrush(kFur);
  p.drawEllipse(QPointF(127, 114), 11, 5);
  p.drawEllipse(QPointF(169, 114), 11, 5);

  // Mouth, moustache, nose, front to back.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 40, 50));
  p.drawEllipse(QPointF(148, 166), 7, 5);
  p.setPen(QPen(QColor(130, 140, 168), 1.1));
  p.setBrush(kFur);
  QPainterPath moustache;
  moustache.moveTo(148, 150);
  moustache.cubicTo(136, 144, 118, 146, 110, 160);
  moustache.cubicTo(124, 156, 136, 164, 148, 158);
  moustache.cubicTo(160, 164, 172, 156, 186, 160);
  moustache.cubicTo(178, 146, 160, 144, 148, 150);
  p.drawPath(moustache);
  QRadialGradient nose(QPointF(145, 139), 10);
  nose.setColorAt(0, QColor(250, 176, 156));
  nose.setColorAt(1, QColor(214, 118, 104));
  p.setPen(QPen(QColor(140, 60, 50), 1));
  p.setBrush(nose);
  p.drawEllipse(QPointF(148, 143), 9, 8);
}

void DrawFluff(QPainter& p, const QRectF& band) {
  QLinearGradient shade(0, band.top(), 0, band.bottom());
  shade.setColorAt(0, kFur);
  shade.setColorAt(1, kFurShade);
  p.setPen(QPen(QColor(110, 120, 150), 1.2));
  p.setBrush(shade);
  p.drawRoundedRect(band, band.height() / 2, band.height() / 2);
  p.setPen(QPen(QColor(190, 198, 220), 1));
  p.setBrush(Qt::NoBrush);
  for (double x = band.left() + 12; x < band.right() - 8; x += 14)
    p.drawArc(QRectF(x - 5, band.center().y() - 2, 10, 8), 200 * 16, 140 * 16);
}

void DrawCap(QPainter& p) {
  QPainterPath cap;
  cap.moveTo(80, 100);
  cap.cubicTo(84, 52, 118, 28, 158, 30);
  cap.cubicTo(196, 32, 228, 56, 240, 92);
  cap.lineTo(228, 96);
  cap.cubicTo(218, 80, 208, 72, 202, 74);
  cap.cubicTo(210, 84, 214, 92, 216, 100);
  cap.closeSubpath();
  QLinearGradient shade(80, 30, 220, 100);
  shade.setColorAt(0, kCapRed.lighter(125));
  shade.setColorAt(0.5, kCapRed);
  shade.setColorAt(1, kCapRed.darker(150));
  p.setPen(QPen(QColor(70, 10, 16), 1.5));
  p.setBrush(shade);
  p.drawPath(cap);
  p.setPen(QPen(QColor(120, 16, 26), 1.6));
  p.setBrush(Qt::NoBrush);
  QPainterPath fold;
  fold.moveTo(172, 44);
  fold.cubicTo(190, 52, 200, 64, 202, 74);
  p.drawPath(fold);

  DrawFluff(p, QRectF(72, 90, 152, 24));
  QRadialGradient pompom(QPointF(234, 96), 12);
  pompom.setColorAt(0, Qt::white);
  pompom.setColorAt(1, kFurShade);
  p.setPen(QPen(QColor(110, 120, 150), 1.2));
  p.setBrush(pompom);
  p.drawEllipse(QPointF(238, 100), 12, 12);
}

void DrawHouse(QPainter& p, const QRectF& wall, const QColor& wallColour, int windows) {
  p.setPen(QPen(QColor(40, 20, 20), 1));
  p.setBrush(wallColour);
  p.drawRect(wall);
  const double roofRise = wall.width() * 0.55;
  QPainterPath roof;
  roof.moveTo(wall.left() - 5, wall.top() + 2);
  roof.lineTo(wall.center().x(), wall.top() - roofRise);
  roof.lineTo(wall.right() + 5, wall.top() + 2);
  roof.closeSubpath();
  p.setBrush(QColor(96, 38, 40));
  p.drawPath(roof);
  // Snow on the roof: a thick white band along both slopes.
  p.setPen(QPen(QColor(238, 242, 252), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath snow;
  snow.moveTo(wall.left() - 4, wall.top());
  snow.lineTo(wall.center().x(), wall.top() - roofRise + 1.5);
  snow.lineTo(wall.right() + 4, wall.top());
  p.drawPath(snow);

  const double size = 6;
  const double gap = (wall.width() - windows * size) / (windows + 1);
  for (int i = 0; i < windows; ++i) {
    const QRectF pane(wall.left() + gap + i * (size + gap), wall.top() + 5, size, size);
    QRadialGradient glow(pane.center(), 9);
    glow.setColorAt(0, QColor(255, 220, 120, 120));
    glow.setColorAt(1, Qt::transparent);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(pane.center(), 9, 9);
    p.setPen(QPen(QColor(70, 36, 20), 1));
    p.setBrush(QColor(255, 214, 100));
    p.drawRect(pane);
  }
}

void DrawTree(QPainter& p, QPointF base, double height) {
  p.setPen(QPen(QColor(10, 40, 24), 1));
  const double w = height * 0.62;
  for (int tier = 0; tier < 3; ++tier) {
    const double top = base.y() - height + tier * height * 0.26;
    const double bottom = top + height * 0.46;
    const double half = w * (0.28 + tier * 0.12);
    QPainterPath layer;
    layer.moveTo(base.x(), top);
    layer.lineTo(base.x() + half, bottom);
    layer.lineTo(base.x() - half, bottom);
    layer.closeSubpath();
    p.setBrush(QColor(34, 104, 62));
    p.drawPath(layer);
    p.setPen(QPen(QColor(232, 238, 250), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(base.x() - half * 0.8, bottom - 0.8),
               QPointF(base.x() + half * 0.5, bottom - 1.6));
    p.setPen(QPen(QColor(10, 40, 24), 1));
  }
}

void DrawSnowyVillage(QPainter& p) {
  QPainterPath hills;
  hills.moveTo(0, 236);
  hills.cubicTo(60, 212, 100, 228, 150, 226);
  hills.cubicTo(200, 224, 240, 206, 298, 226);
  hills.lineTo(298, 300);
  hills.lineTo(0, 300);
  hills.closeSubpath();
  QLinearGradient snow(0, 210, 0, 280);
  snow.setColorAt(0, QColor(214, 226, 246));
  snow.setColorAt(1, QColor(150, 170, 210));
  p.setPen(QPen(QColor(120, 140, 185), 1));
  p.setBrush(snow);
  p.drawPath(hills);

  DrawTree(p, {30, 246}, 30);
  DrawHouse(p, QRectF(50, 222, 34, 24), QColor(150, 96, 70), 2);
  DrawTree(p, {100, 240}, 22);
  DrawHouse(p, QRectF(120, 236, 26, 20), QColor(120, 110, 150), 1);
  DrawHouse(p, QRectF(196, 218, 38, 28), QColor(168, 120, 80), 2);
  DrawTree(p, {176, 246}, 26);
  DrawTree(p, {252, 240}, 32);

  QPainterPath drift;
  drift.moveTo(0, 256);
  drift.cubicTo(70, 244, 120, 258, 170, 252);
  drift.cubicTo(220, 246, 260, 250, 298, 258);
  drift.lineTo(298, 300);
  drift.lineTo(0, 300);
  drift.closeSubpath();
  p.setBrush(snow);
  p.drawPath(drift);
}

void DrawGlass(QPainter& p) {
  // Darker towards the rim, so the globe reads as a sphere.
  QRadialGradient depth(kGlassCentre, kGlassRadius);
  depth.setColorAt(0.72, Qt::transparent);
  depth.setColorAt(1, QColor(6, 10, 30, 130));
  p.setPen(Qt::NoPen);
  p.setBrush(depth);
  p.drawEllipse(kGlassCentre, kGlassRadius, kGlassRadius);

  QPainterPath shine;
  shine.moveTo(40, 150);
  shine.cubicTo(34, 90, 80, 36, 140, 26);
  shine.cubicTo(92, 44, 56, 90, 52, 150);
  shine.closeSubpath();
  p.setBrush(QColor(255, 255, 255, 46));
  p.drawPath(shine);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 22, 30), 3));
  p.drawEllipse(kGlassCentre, kGlassRadius + 2, kGlassRadius + 2);
  p.setPen(QPen(QColor(190, 205, 235, 190), 1.6));
  p.drawEllipse(kGlassCentre, kGlassRadius, kGlassRadius);
}

void DrawBase(QPainter& p) {
  // A round plinth seen slightly from above: a rim at the top, a body that
  // flares out, and a shadow on the ground beneath.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 10, 12, 140));
  p.drawEllipse(QPointF(148, 336), 136, 9);

  QPainterPath body;
  body.moveTo(56, 268);
  body.cubicTo(40, 290, 28, 312, 22, 326);
  body.cubicTo(80, 340, 216, 340, 274, 326);
  body.cubicTo(268, 312, 256, 290, 240, 268);
  body.closeSubpath();
  QLinearGradient wood(22, 0, 274, 0);
  wood.setColorAt(0, QColor(60, 28, 20));
  wood.setColorAt(0.35, QColor(128, 66, 38));
  wood.setColorAt(0.6, QColor(104, 52, 32));
  wood.setColorAt(1, QColor(48, 22, 16));
  p.setPen(QPen(QColor(24, 10, 8), 1.5));
  p.setBrush(wood);
  p.drawPath(body);

  QLinearGradient gold(0, 262, 0, 276);
  gold.setColorAt(0, QColor(246, 214, 120));
  gold.setColorAt(1, QColor(150, 106, 40));
  p.setBrush(gold);
  p.setPen(QPen(QColor(70, 46, 14), 1));
  p.drawEllipse(kLidCentre, kLidRadii.width(), kLidRadii.height());
  QPainterPath band;
  band.moveTo(22, 322);
  band.cubicTo(80, 336, 216, 336, 274, 322);
  band.lineTo(276, 328);
  band.cubicTo(216, 343, 80, 343, 20, 328);
  band.closeSubpath();
  p.drawPath(band);
}

// The lid's front edge at x: the near half of its ellipse.
double LidFrontY(double x) {
  const double dx = (x - kLidCentre.x()) / kLidRadii.width();
  return kLidCentre.y() + kLidRadii.height() * std::sqrt(std::max(0.0, 1.0 - dx * dx));
}

// Snow heaped inside the glass in front of the lid, so that whatever falls
// to the bottom of the globe lands in snow; only the lid's near lip shows
// below it.
void DrawFrontDrift(QPainter& p) {
  constexpr double kLip = 2.5;
  QPainterPath drift;
  drift.moveTo(0, 258);
  drift.cubicTo(40, 252, 70, 249, 100, 251);
  drift.cubicTo(130, 253, 160, 255, 196, 250);
  drift.cubicTo(230, 246, 268, 252, 298, 258);
  for (double x = 298; x >= 0; x -= 2) {
    const bool overLid = std::abs(x - kLidCentre.x()) < kLidRadii.width();
    drift.lineTo(x, overLid ? LidFrontY(x) - kLip : 300.0);
  }
  drift.closeSubpath();
  QPainterPath glass;
  glass.addEllipse(kGlassCentre, kGlassRadius - 1, kGlassRadius - 1);
  QLinearGradient snow(0, 246, 0, 280);
  snow.setColorAt(0, QColor(236, 242, 252));
  snow.setColorAt(1, QColor(188, 202, 232));
  p.save();
  p.setClipPath(glass);
  p.setPen(QPen(QColor(140, 158, 198), 1));
  p.setBrush(snow);
  p.drawPath(drift);
  // A few glints in the snow.
  TLcg random(2512);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  for (int i = 0; i < 14; ++i) {
    const QPointF at = RandomPoint(random, QRectF(60, 256, 176, 12));
    p.drawEllipse(at, 0.7, 0.7);
  }
  p.restore();
}

void DrawGarland(QPainter& p) {
  struct TLeaf {
    QPointF Stem;
    double Length;
    double Angle;
  };
  const TLeaf leaves[] = {
      {{40, 306}, 18, 200},  {{44, 304}, 17, -30},  {{70, 300}, 18, 200},  {{68, 302}, 18, 20},
      {{104, 296}, 16, 210}, {{104, 300}, 17, 150}, {{146, 299}, 16, 250}, {{147, 302}, 16, 100},
      {{150, 298}, 15, -70}, {{188, 300}, 17, -30}, {{190, 302}, 17, 30},  {{226, 302}, 18, -20},
      {{228, 302}, 18, 160}, {{254, 306}, 17, -20}, {{250, 306}, 16, 210},
  };
  for (const TLeaf& leaf : leaves) DrawHollyLeaf(p, leaf.Stem, leaf.Length, leaf.Angle);

  // Berries in threes where the leaves meet.
  const QPointF berries[] = {{56, 303}, {104, 299}, {148, 299}, {188, 301}, {238, 303}};
  for (const QPointF& b : berries) {
    for (const QPointF offset : {QPointF(-2.6, 0), QPointF(2.6, 0), QPointF(0, -3.2)})
      DrawBauble(p, b + offset, 2.4, QColor(210, 24, 30));
  }

  DrawBauble(p, {86, 299}, 9, QColor(222, 176, 40));
  DrawBauble(p, {125, 300.5}, 9.5, QColor(150, 60, 200));
  DrawBauble(p, {165, 301.5}, 9.5, QColor(220, 30, 40));
  DrawBauble(p, {208, 299}, 9, QColor(40, 110, 220));
  DrawBauble(p, {30, 314}, 6, QColor(200, 210, 230));
  DrawBauble(p, {266, 314}, 6, QColor(40, 170, 90));
}

void DrawGlints(QPainter& p) {
  const QColor light(255, 255, 255);
  DrawGlint(p, {68, 72}, 12, light);
  DrawGlint(p, {88, 52}, 5, light);
  DrawGlint(p, {54, 104}, 4, light);
  DrawGlint(p, {232, 64}, 6, light);
  DrawGlint(p, {252, 180}, 4, light);
  DrawGlint(p, {232, 276}, 5, light);
}

}  // namespace

void DrawFigureHead(QPainter& p) {
  DrawBeard(p);
  DrawFace(p);
  DrawCap(p);
}

QImage DrawGlobeScene() {
  QImage scene(kGlobeWidth, kGlobeHeight, QImage::Format_RGB32);
  QPainter p(&scene);
  p.setRenderHint(QPainter::Antialiasing);
  DrawGround(p);

  QPainterPath glass;
  glass.addEllipse(kGlassCentre, kGlassRadius, kGlassRadius);
  p.save();
  p.setClipPath(glass);
  DrawSky(p);
  DrawCoat(p);
  DrawFigureHead(p);
  DrawSnowyVillage(p);
  p.restore();
  DrawGlass(p);
  DrawBase(p);
  DrawFrontDrift(p);
  DrawGarland(p);
  DrawGlints(p);
  return scene;
}

}  // namespace artgen
