// The built-in pictures, icons and cursor against their file formats and the
// pixel conventions the two-step stamp relies on.
#include <QImage>
#include <QTest>
#include <QtEndian>

#include "animation/Pictures.h"
#include "animation/SpriteCatalogue.h"
#include "tests/fixtures/BmpFile.h"

namespace {

QString ResourcePath(const QString& name, const char* suffix = ".bmp") {
  return QStringLiteral(":/assets/") + name + QLatin1String(suffix);
}

TBmpFile Bmp(const QString& name) {
  return ReadBmpFile(ResourceBytes(ResourcePath(name)));
}

QSize SizeOfKind(int kind) {
  switch (kind) {
    case 1:
      return {24, 24};
    case 2:
      return {45, 57};
    case 4:
    case 5:
    case 6:
      return {25, 25};
    case 7:
    case 8:
    case 9:
    case 10:
      return {28, 28};
    case 11:
    case 12:
      return {100, 50};
    default:
      return {32, 32};
  }
}

bool IsTrueColour(const QString& name) {
  return name == "imgSanta1" || name == "imgSanta1M" || name == "imgGift17";
}

int PictureCount(TFramePattern pattern) {
  return pattern == TFramePattern::OnePair ? 1 : pattern == TFramePattern::ThreePhases ? 3 : 8;
}

struct TPair {
  int Kind;
  int Number;
  QString Image;
  QString Mask;
};

std::vector<TPair> AllPairs() {
  std::vector<TPair> pairs;
  for (const TKindArt& art : kKindArt)
    for (int n = 1; n <= PictureCount(art.Pattern); ++n)
      pairs.push_back({art.Kind, n, SpritePictureName(art.Base, n, false),
                       SpritePictureName(art.Base, n, true)});
  return pairs;
}

QImage Pixels(const QString& name) {
  return LoadPicture(name).Bitmap;
}

QImage TurnedQuarter(const QImage& image) {
  QImage turned(image.height(), image.width(), image.format());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      turned.setPixel(image.height() - 1 - y, x, image.pixel(x, y));
  return turned;
}

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

bool Opaque(const QImage& mask, int x, int y) {
  return qRed(mask.pixel(x, y)) == 0;
}

QPointF MaskCentre(const QImage& mask) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (Opaque(mask, x, y)) sx += x + 0.5, sy += y + 0.5, ++n;
  return n ? QPointF(sx / n, sy / n) : QPointF();
}

double Luminance(QRgb c) {
  return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

bool OpaqueAt(const QImage& mask, int x, int y) {
  return mask.rect().contains(x, y) && Opaque(mask, x, y);
}

// Mean luminance of the silhouette's rim: opaque pixels next to clear ones.
double EdgeLuminance(const QImage& picture, const QImage& mask) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) {
      if (!Opaque(mask, x, y)) continue;
      if (OpaqueAt(mask, x - 1, y) && OpaqueAt(mask, x + 1, y) && OpaqueAt(mask, x, y - 1) &&
          OpaqueAt(mask, x, y + 1))
        continue;
      sum += Luminance(picture.pixel(x, y));
      ++n;
    }
  return n ? sum / n : 0;
}

int MaskArea(const QImage& mask) {
  int n = 0;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) n += Opaque(mask, x, y);
  return n;
}

}  // namespace

class TestArtPictures : public QObject {
  Q_OBJECT

 private slots:
  void bitmapFormats_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("imgBack") << QStringLiteral("imgBack") << QSize(298, 369);
    for (const TPair& pair : AllPairs()) {
      for (const QString& name : {pair.Image, pair.Mask})
        QTest::newRow(qPrintable(name)) << name << SizeOfKind(pair.Kind);
    }
  }

  void bitmapFormats() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const TBmpFile bmp = Bmp(name);
    QVERIFY(bmp.Valid);
    QCOMPARE(bmp.FileHeaderMagic, 0x4d42);
    QCOMPARE(bmp.InfoHeaderSize, 40);
    QCOMPARE(QSize(bmp.Width, bmp.Height), size);  // positive height: bottom-up rows
    QCOMPARE(bmp.Compression, 0);
    if (IsTrueColour(name)) {
      QCOMPARE(bmp.BitCount, 24);
      QVERIFY(bmp.ColourTable.isEmpty());
    } else {
      QCOMPARE(bmp.BitCount, 8);
      QCOMPARE(bmp.ColourTable, Bmp("imgBack").ColourTable);
    }
    const TPicture picture = LoadPicture(name);
    QCOMPARE(picture.Bitmap.size(), size);
    QCOMPARE(picture.Bitmap.format(), QImage::Format_RGB32);
    QCOMPARE(picture.Depth, bmp.BitCount);
  }

  void globePaletteHoldsTheFixedColours() {
    const QList<QRgb> table = Bmp("imgBack").ColourTable;
    QCOMPARE(table.size(), 256);
    const QRgb low[] = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                        qRgb(128, 128, 0),  qRgb(0, 0, 128),     qRgb(128, 0, 128),
                        qRgb(0, 128, 128),  qRgb(128, 128, 128), qRgb(192, 220, 192),
                        qRgb(166, 202, 240)};
    const QRgb high[] = {qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
                         qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
                         qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
                         qRgb(255, 255, 255)};
    for (int i = 0; i < 10; ++i) {
      QCOMPARE(table[i], low[i]);
      QCOMPARE(table[246 + i], high[i]);
    }
  }

  void spritesStandOnBlackInsideTwoColourMasks_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("mask");
    for (const TPair& pair : AllPairs())
      QTest::newRow(qPrintable(pair.Image)) << pair.Image << pair.Mask;
  }

  void spritesStandOnBlackInsideTwoColourMasks() {
    QFETCH(QString, image);
    QFETCH(QString, mask);
    const TBmpFile maskFile = Bmp(mask);
    if (maskFile.BitCount == 8) {
      for (int y = 0; y < maskFile.Height; ++y)
        for (int x = 0; x < maskFile.Width; ++x) {
          const int index = maskFile.IndexAt(x, y);
          QVERIFY2(index == 0 || index == 255,
                   qPrintable(QString("index %1 at %2,%3").arg(index).arg(x).arg(y)));
        }
    }
    const QImage m = Pixels(mask);
    const QImage p = Pixels(image);
    int lit = 0;
    for (int y = 0; y < m.height(); ++y) {
      for (int x = 0; x < m.width(); ++x) {
        const QRgb mc = m.pixel(x, y) & 0xffffff;
        QVERIFY(mc == 0 || mc == 0xffffff);
        const QRgb pc = p.pixel(x, y) & 0xffffff;
        if (mc == 0xffffff)
          QVERIFY2(pc == 0, qPrintable(QString("lit at %1,%2 outside the mask").arg(x).arg(y)));
        lit += pc != 0;
      }
    }
    QVERIFY(lit > 20);  // there is a sprite to see
  }

  void tumblingMasksTurnByQuarters_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("allowedDifference");
    QTest::newRow("red gift") << "imgGift1" << 0;
    QTest::newRow("green gift") << "imgGift2" << 32;
    QTest::newRow("bear") << "imgKuma" << 0;
  }

  void tumblingMasksTurnByQuarters() {
    QFETCH(QString, base);
    QFETCH(int, allowedDifference);
    const QByteArray b = base.toLatin1();
    for (int f = 1; f <= 6; ++f) {
      const QImage from = Pixels(SpritePictureName(b.constData(), f, true));
      const QImage to = Pixels(SpritePictureName(b.constData(), f + 2, true));
      QVERIFY2(DifferingPixels(TurnedQuarter(from), to) <= allowedDifference,
               qPrintable(QString::number(f)));
    }
    // The even frames are the 45-degree positions, not copies of the odd ones.
    QVERIFY(DifferingPixels(Pixels(SpritePictureName(b.constData(), 1, true)),
                            Pixels(SpritePictureName(b.constData(), 2, true))) > 50);
  }

  void sleighsAreMirrorImages() {
    const QImage left = Pixels("imgSnow7M");
    const QImage right = Pixels("imgSnow8M");
    QCOMPARE(left.mirrored(true, false), right);
    QVERIFY(DifferingPixels(Pixels("imgSnow7").mirrored(true, false), Pixels("imgSnow8")) < 250);
  }

  void snowflakePhasesAreOneFlake() {
    for (const char* base : {"imgSnow3", "imgSnow4", "imgSnow5", "imgSnow6"}) {
      const int a = MaskArea(Pixels(SpritePictureName(base, 1, true)));
      for (int phase = 2; phase <= 3; ++phase) {
        const QImage mask = Pixels(SpritePictureName(base, phase, true));
        QVERIFY2(std::abs(MaskArea(mask) - a) <= a / 8, base);
        QVERIFY2(DifferingPixels(mask, Pixels(SpritePictureName(base, 1, true))) > 0, base);
      }
    }
  }

  // Where the hot spot of each kind falls on its art.
  void hotSpotsFitTheArt() {
    // The orb's disc is centred on its picture, so its hot spot is off-centre.
    const QImage orb = Pixels("imgAngelM");
    QVERIFY((MaskCentre(orb) - QPointF(12, 12)).manhattanLength() < 0.5);
    QVERIFY(Opaque(orb, 17, 17));
    // Both sleigh points lie in the empty gap above the reins.
    for (const auto& [mask, hot] :
         {std::pair("imgSnow7M", kHotSpots[11]), std::pair("imgSnow8M", kHotSpots[12])}) {
      const QImage m = Pixels(mask);
      for (int dy = -3; dy <= 3; ++dy) QVERIFY2(!Opaque(m, hot.X, hot.Y + dy), mask);
      bool reinsBelow = false;
      for (int y = hot.Y + 4; y < hot.Y + 12; ++y) reinsBelow |= Opaque(m, hot.X, y);
      QVERIFY2(reinsBelow, mask);
    }
    // The girl's point lies on her body.
    QVERIFY(Opaque(Pixels("imgSanta1M"), kHotSpots[2].X, kHotSpots[2].Y));
    // Round and tumbling kinds: the silhouette's centre sits on the hot spot.
    for (const TPair& pair : AllPairs()) {
      if (pair.Kind <= 2 || pair.Kind == 11 || pair.Kind == 12) continue;
      const TPoint hot = kHotSpots[pair.Kind];
      const QPointF centre = MaskCentre(Pixels(pair.Mask));
      QVERIFY2((centre - QPointF(hot.X + 0.5, hot.Y + 0.5)).manhattanLength() < 4,
               qPrintable(pair.Mask));
    }
  }

  // The orb is a light: brightest at its centre, no dark rim.
  void orbGlowsFromCentreToRim() {
    const QImage orb = Pixels("imgAngel");
    const QImage mask = Pixels("imgAngelM");
    std::vector<double> rings;
    for (int inner = 0; inner < 12; inner += 3) {
      double sum = 0;
      int n = 0;
      for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
          const double r = std::hypot(x + 0.5 - 12, y + 0.5 - 12);
          if (r >= inner && r < inner + 3 && Opaque(mask, x, y))
            sum += Luminance(orb.pixel(x, y)), ++n;
        }
      QVERIFY(n > 0);
      rings.push_back(sum / n);
    }
    QVERIFY2(rings[0] > 240, qPrintable(QString::number(rings[0])));
    for (std::size_t i = 1; i < rings.size(); ++i)
      QVERIFY2(rings[i] < rings[i - 1], qPrintable(QString("ring %1: %2").arg(i).arg(rings[i])));
    const double edge = EdgeLuminance(orb, mask);
    QVERIFY2(edge > 100, qPrintable(QString::number(edge)));
  }

  // Sprites are outlined in the scene's soft slate, not near-black.
  void spriteEdgesAreNotNearBlack_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("mask");
    for (const TPair& pair : AllPairs())
      QTest::newRow(qPrintable(pair.Image)) << pair.Image << pair.Mask;
  }

  void spriteEdgesAreNotNearBlack() {
    QFETCH(QString, image);
    QFETCH(QString, mask);
    const double edge = EdgeLuminance(Pixels(image), Pixels(mask));
    QVERIFY2(edge > 45, qPrintable(QString::number(edge)));
  }

  // Sprites that end their flight at the bottom of the globe land in snow
  // heaped in front of the base's lid.
  void baseHoldsSnowInsideTheGlass() {
    const QImage back = Pixels("imgBack");
    int inside = 0, light = 0;
    for (int y = 255; y <= 278; ++y)
      for (int x = 0; x < back.width(); ++x) {
        if (std::hypot(x - 148.0, y - 150.0) > 133) continue;
        ++inside;
        light += Luminance(back.pixel(x, y)) >= 170;
      }
    QVERIFY2(light >= inside * 3 / 4, qPrintable(QString("%1 of %2").arg(light).arg(inside)));
  }

  void globeSceneUnderTheHotZones() {
    const QImage back = Pixels("imgBack");
    auto hue = [&](int x, int y) { return QColor(back.pixel(x, y)).hsvHue(); };
    const int purple = hue(125, 301);
    const int red = hue(165, 302);
    QVERIFY2(purple > 260 && purple < 310, qPrintable(QString::number(purple)));
    QVERIFY2(red < 15 || red > 345, qPrintable(QString::number(red)));
    for (const QPoint corner : {QPoint(2, 2), QPoint(295, 2), QPoint(2, 366), QPoint(295, 366)}) {
      const QColor c(back.pixel(corner));
      QVERIFY(c.value() < 100 && c.hsvSaturation() < 40);  // dark grey ground
    }
  }

  void iconsAreOpaque32x32EightBitImages_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("MAINICON") << "MAINICON";
    QTest::newRow("imgIcon1") << "imgIcon1";
  }

  void iconsAreOpaque32x32EightBitImages() {
    QFETCH(QString, name);
    const QByteArray bytes = ResourceBytes(ResourcePath(name, ".ico"));
    QVERIFY(bytes.size() > 62);
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 2), 1);  // icon
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 4), 1);  // one image
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 22 + 14), 8);
    QImage icon;
    QVERIFY(icon.loadFromData(bytes, "ICO"));
    QCOMPARE(icon.size(), QSize(32, 32));
    int black = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        QCOMPARE(qAlpha(icon.pixel(x, y)), 255);
        black += (icon.pixel(x, y) & 0xffffff) == 0;
      }
    QVERIFY(black > 100);  // drawn on black
    const QByteArray table = bytes.mid(22 + 40, 256 * 4);
    const QByteArray globeTable = ResourceBytes(ResourcePath("imgBack")).mid(54, 256 * 4);
    QVERIFY(table != globeTable);
  }

  void cursorIsAMonochromeHand() {
    const QByteArray bytes = ResourceBytes(ResourcePath("CURSOR_1", ".cur"));
    QVERIFY(bytes.size() > 62);
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 2), 2);  // cursor
    QCOMPARE(static_cast<uchar>(bytes[6]), 32);
    QCOMPARE(static_cast<uchar>(bytes[7]), 32);
    QCOMPARE(QPoint(qFromLittleEndian<quint16>(bytes.constData() + 10),
                    qFromLittleEndian<quint16>(bytes.constData() + 12)),
             QPoint(15, 2));
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 22 + 14), 1);
    QImage cursor;
    QVERIFY(cursor.loadFromData(bytes, "CUR") || cursor.loadFromData(bytes, "ICO"));
    QCOMPARE(cursor.size(), QSize(32, 32));
    cursor = cursor.convertToFormat(QImage::Format_ARGB32);
    // The hot spot is the white tip of the finger, outlined, in clear space.
    QCOMPARE(cursor.pixel(15, 2), qRgba(255, 255, 255, 255));
    QCOMPARE(cursor.pixel(15, 1), qRgba(0, 0, 0, 255));
    QCOMPARE(qAlpha(cursor.pixel(15, 0)), 0);
    QCOMPARE(qAlpha(cursor.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(cursor.pixel(31, 31)), 0);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const QRgb c = cursor.pixel(x, y);
        QVERIFY(qAlpha(c) == 0 || c == qRgba(0, 0, 0, 255) || c == qRgba(255, 255, 255, 255));
      }
  }
};

QTEST_GUILESS_MAIN(TestArtPictures)
#include "test_art_pictures.moc"
