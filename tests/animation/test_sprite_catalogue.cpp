// The sprite catalogue built from the real built-in pictures.
#include <QTest>

#include "animation/SpriteCatalogue.h"

class TestSpriteCatalogue : public QObject {
  Q_OBJECT

  TSpriteSources sources_;
  TPicture globe_;
  TSpriteCatalogue catalogue_;
  std::vector<TPicture> before_;  // the pictures as loaded, before the build

  QString ImageAt(int frame, int kind) const {
    const TSpriteRef& pair = catalogue_.At(frame, kind);
    return pair.Empty() ? QString() : pair.Image->Name;
  }
  QString MaskAt(int frame, int kind) const {
    const TSpriteRef& pair = catalogue_.At(frame, kind);
    return pair.Empty() ? QString() : pair.Mask->Name;
  }

 private slots:
  void initTestCase() {
    sources_.LoadAll();
    QCOMPARE(sources_.All().size(), size_t{kSpritePictureCount});
    before_ = sources_.All();
    globe_ = LoadPicture("imgBack");
    BuildSpriteCatalogue(catalogue_, sources_, globe_);
  }

  void framesMapOntoPictures_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("images");
    QTest::addColumn<QStringList>("masks");
    const QStringList orb(8, "imgAngel");
    QTest::newRow("orb, one pair") << 1 << orb << QStringList(8, "imgAngelM");
    QTest::newRow("girl, one pair")
        << 2 << QStringList(8, "imgSanta1") << QStringList(8, "imgSanta1M");
    QTest::newRow("snowflake A B C A B C A B")
        << 7 << QStringList{"imgSnow3",  "imgSnow32", "imgSnow33", "imgSnow3",
                            "imgSnow32", "imgSnow33", "imgSnow3",  "imgSnow32"}
        << QStringList{"imgSnow3M",  "imgSnow3M2", "imgSnow3M3", "imgSnow3M",
                       "imgSnow3M2", "imgSnow3M3", "imgSnow3M",  "imgSnow3M2"};
    QTest::newRow("last snowflake")
        << 10 << QStringList{"imgSnow6",  "imgSnow62", "imgSnow63", "imgSnow6",
                             "imgSnow62", "imgSnow63", "imgSnow6",  "imgSnow62"}
        << QStringList{"imgSnow6M",  "imgSnow6M2", "imgSnow6M3", "imgSnow6M",
                       "imgSnow6M2", "imgSnow6M3", "imgSnow6M",  "imgSnow6M2"};
    QTest::newRow("sleigh heading right")
        << 12 << QStringList(8, "imgSnow8") << QStringList(8, "imgSnow8M");
    QTest::newRow("red gift, eight pictures")
        << 13 << QStringList{"imgGift1",  "imgGift12", "imgGift13", "imgGift14",
                             "imgGift15", "imgGift16", "imgGift17", "imgGift18"}
        << QStringList{"imgGift1M",  "imgGift1M2", "imgGift1M3", "imgGift1M4",
                       "imgGift1M5", "imgGift1M6", "imgGift1M7", "imgGift1M8"};
    QTest::newRow("bear, eight pictures")
        << 15 << QStringList{"imgKuma",  "imgKuma2", "imgKuma3", "imgKuma4",
                             "imgKuma5", "imgKuma6", "imgKuma7", "imgKuma8"}
        << QStringList{"imgKumaM",  "imgKumaM2", "imgKumaM3", "imgKumaM4",
                       "imgKumaM5", "imgKumaM6", "imgKumaM7", "imgKumaM8"};
  }

  void framesMapOntoPictures() {
    QFETCH(int, kind);
    QFETCH(QStringList, images);
    QFETCH(QStringList, masks);
    for (int frame = 1; frame <= 8; ++frame) {
      QCOMPARE(ImageAt(frame, kind), images[frame - 1]);
      QCOMPARE(MaskAt(frame, kind), masks[frame - 1]);
    }
  }

  void everyKindWithArtIsFilled() {
    for (const TKindArt& art : kKindArt)
      for (int frame = 1; frame <= 8; ++frame) QVERIFY(!catalogue_.At(frame, art.Kind).Empty());
  }

  void kindsWithoutArtAndOutOfRangeGiveEmptyPairs() {
    for (int frame = 1; frame <= 8; ++frame)
      for (int kind : {3, 16, 17}) {
        QVERIFY(catalogue_.At(frame, kind).Empty());
        QVERIFY(catalogue_.At(frame, kind).Image == nullptr);
        QVERIFY(catalogue_.At(frame, kind).Mask == nullptr);
      }
    const std::pair<int, int> outside[] = {{0, 1},  {9, 1},  {-1, 7},   {1, 0},
                                           {1, 18}, {8, -5}, {100, 100}};
    for (const auto& [frame, kind] : outside) QVERIFY(catalogue_.At(frame, kind).Empty());
    QCOMPARE(catalogue_.HotSpotOf(0), (TPoint{0, 0}));
    QCOMPARE(catalogue_.HotSpotOf(18), (TPoint{0, 0}));
    QVERIFY(catalogue_.StampRect(1, 3, {100, 100}).isEmpty());
  }

  void hotSpots() {
    const TPoint expected[18] = {{0, 0},   {17, 17}, {23, 28}, {27, 9},  {12, 12}, {12, 12},
                                 {12, 12}, {14, 14}, {14, 14}, {14, 14}, {14, 14}, {40, 25},
                                 {53, 25}, {16, 16}, {16, 16}, {16, 16}, {27, 9},  {27, 9}};
    for (int kind = 1; kind <= 17; ++kind) QCOMPARE(catalogue_.HotSpotOf(kind), expected[kind]);
  }

  void stampRectangles_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRect>("covered");
    QTest::newRow("orb") << 1 << QRect(QPoint(83, 83), QPoint(106, 106));
    QTest::newRow("sleigh heading left") << 11 << QRect(QPoint(60, 75), QPoint(159, 124));
    QTest::newRow("sleigh heading right") << 12 << QRect(QPoint(47, 75), QPoint(146, 124));
    QTest::newRow("bear") << 15 << QRect(QPoint(84, 84), QPoint(115, 115));
  }

  void stampRectangles() {
    QFETCH(int, kind);
    QFETCH(QRect, covered);
    for (int frame = 1; frame <= 8; ++frame)
      QCOMPARE(catalogue_.StampRect(frame, kind, {100, 100}), covered);
  }

  void refersToTheSourcePicturesWithoutCopying() {
    const TSpriteRef& pair = catalogue_.At(5, 13);
    QCOMPARE(pair.Image, &sources_["imgGift15"]);
    QCOMPARE(pair.Mask, &sources_["imgGift1M5"]);
    QCOMPARE(catalogue_.At(1, 7).Image, catalogue_.At(4, 7).Image);
  }

  void paletteStepListsItsPicturesInOrder() {
    QStringList expected;
    for (const char* base : {"imgGift1", "imgGift2", "imgKuma"})
      for (int f = 1; f <= 8; ++f)
        expected << SpritePictureName(base, f, false) << SpritePictureName(base, f, true);
    expected << "imgSnow7"
             << "imgSnow7M"
             << "imgSnow8"
             << "imgSnow8M"
             << "imgSanta1"
             << "imgSanta1M";
    QStringList listed;
    for (const char* name : kPaletteStepPictures) listed << name;
    QCOMPARE(listed, expected);
  }

  // Every listed picture carries the globe palette afterwards; every
  // picture, listed or not, keeps every pixel's colour.
  void paletteStepKeepsEveryColour() {
    QVERIFY(!globe_.Palette.isEmpty());
    for (size_t i = 0; i < before_.size(); ++i) {
      const TPicture& now = sources_.All()[i];
      const TPicture& was = before_[i];
      QCOMPARE(now.Name, was.Name);
      QVERIFY2(now.Bitmap == was.Bitmap, qPrintable(now.Name));
      QCOMPARE(now.Depth, was.Depth);
      if (was.Depth == 8) QCOMPARE(now.Palette, globe_.Palette);
    }
    for (const char* name : {"imgSanta1", "imgSanta1M", "imgGift17"}) {
      QVERIFY(
          before_[static_cast<size_t>(&sources_[name] - sources_.All().data())].Palette.isEmpty());
      QCOMPARE(sources_[name].Palette, globe_.Palette);
    }
  }
};

QTEST_GUILESS_MAIN(TestSpriteCatalogue)
#include "test_sprite_catalogue.moc"
