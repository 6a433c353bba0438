// The main window as a user meets it: its settings, its menu tree, the two
// hot zones and the read-me item.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "platform/Fonts.h"
#include "tests/fixtures/KalvoProbe.h"
#include "tests/fixtures/ScratchFolder.h"

namespace {

struct ExpectedItem {
  const char* name;
  const char* menu;  // the menu-bar item it sits in; nullptr for a bar item
  QString caption;
  QKeySequence shortcut;
  int group;
  bool radio;
  bool checked;
};

QList<ExpectedItem> ExpectedMenuTree() {
  const QKeySequence none;
  return {
      {"miPlayStop", nullptr, "あそぶ(&P)", none, 0, false, false},
      {"miPlay", "miPlayStop", "再生(&P)", QKeySequence("Ctrl+P"), 0, false, false},
      {"miStop", "miPlayStop", "停止(&S)", QKeySequence("Ctrl+S"), 0, false, false},
      {"N1", "miPlayStop", "", none, 0, false, false},
      {"miExit", "miPlayStop", "またねぇ\uFF5E (&X)", none, 0, false, false},
      {"miSnowType", nullptr, "リクエスト(&S)", none, 0, false, false},
      {"miCocktail", "miSnowType", "ホワイト\uFF38マス(&1)", none, 1, true, true},
      {"miUnbelieve", "miSnowType", "流星群(&2)", none, 1, true, false},
      {"miHatuyuki", "miSnowType", "雪の妖精(&3)", none, 1, true, false},
      {"miRegular", "miSnowType", "宅急便(&4)", none, 1, true, false},
      {"miTatumaki", "miSnowType", "プレゼント(&5)", none, 1, true, false},
      {"N2", "miSnowType", "", none, 1, false, false},
      {"miRnd", "miSnowType", "ランダム(&R)", none, 1, true, false},
      {"miMusic", nullptr, "選曲(&M)", none, 0, false, false},
      {"miKeloSong1", "miMusic", "アカペラ(&A)", none, 2, true, true},
      {"miKeloSong2", "miMusic", "ジングル(&B)", none, 2, true, false},
      {"Help1", nullptr, "おまけ(&I)", none, 0, false, false},
      {"N3", "Help1", "ユキポムについて(&A)...", none, 0, false, false},
      {"miReadMe", "Help1", "お読みください(&R)", none, 0, false, false},
  };
}

QAction* ActionOf(TfmKalvo& window, const char* name) {
  return TKalvoProbe(window).Item(name);
}

// The menu items the window made: every action that carries an item's name.
int NamedActions(const TfmKalvo& window) {
  int count = 0;
  for (const QAction* action : window.findChildren<QAction*>()) {
    count += !action->objectName().isEmpty();
  }
  return count;
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { platform::InstallFontSubstitutions(); }
  void init();
  void cleanup();
  void menuTreeIsAsDesigned();
  void radioGroupsAreExclusivePerGroup();
  void clientAreaIsTheGlobeAndFixed();
  void hotZonesSitOverTheBaublesWithTheHand();
  void hotZoneClicksReachTheirHandlersAndNothingElseDoes();
  void readMeItemFollowsTheFileAtStartUp_data();
  void readMeItemFollowsTheFileAtStartUp();
  void closingTheWindowReleasesTheBackBuffer();

 private:
  std::unique_ptr<TScratchFolder> folder_;
  std::unique_ptr<TfmKalvo> window_;
};

void TestMainWindow::init() {
  folder_ = std::make_unique<TScratchFolder>();
  window_ = std::make_unique<TfmKalvo>();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestMainWindow::cleanup() {
  window_.reset();
  QVERIFY2(folder_->Errors.isEmpty(), qPrintable(folder_->Errors.join('\n')));
  folder_.reset();
}

void TestMainWindow::menuTreeIsAsDesigned() {
  const QList<ExpectedItem> expected = ExpectedMenuTree();
  QCOMPARE(NamedActions(*window_), expected.size());
  QStringList barOrder;
  for (QAction* action : window_->menuBar()->actions()) barOrder << action->objectName();
  QCOMPARE(barOrder, QStringList({"miPlayStop", "miSnowType", "miMusic", "Help1"}));

  for (const ExpectedItem& item : expected) {
    QAction* action = ActionOf(*window_, item.name);
    QVERIFY2(action != nullptr, item.name);
    if (item.menu != nullptr) {
      QMenu* menu = ActionOf(*window_, item.menu)->menu();
      QVERIFY2(menu->actions().contains(action), item.name);
      QCOMPARE(action->isSeparator(), item.caption.isEmpty());
      QCOMPARE(action->property("GroupIndex").toInt(), item.group);
    }
    if (!item.caption.isEmpty()) QCOMPARE(action->text(), item.caption);
    QCOMPARE(action->shortcut(), item.shortcut);
    QCOMPARE(action->isCheckable(), item.radio);
    QCOMPARE(action->isChecked(), item.checked);
    if (action->isVisible()) QVERIFY2(action->isEnabled(), item.name);
  }
  // Without "ReadMe.txt" in the program folder the read-me item is hidden.
  QVERIFY(!ActionOf(*window_, "miReadMe")->isVisible());
}

void TestMainWindow::radioGroupsAreExclusivePerGroup() {
  ActionOf(*window_, "miRnd")->setChecked(true);
  QVERIFY(!ActionOf(*window_, "miCocktail")->isChecked());
  QVERIFY(ActionOf(*window_, "miKeloSong1")->isChecked());  // group 2 is untouched
  ActionOf(*window_, "miKeloSong2")->setChecked(true);
  QVERIFY(!ActionOf(*window_, "miKeloSong1")->isChecked());
  QVERIFY(ActionOf(*window_, "miRnd")->isChecked());
}

void TestMainWindow::clientAreaIsTheGlobeAndFixed() {
  const TKalvoProbe probe(*window_);
  TGlobeView* globe = probe.GlobeView();
  QCOMPARE(globe->size(), QSize(298, 369));
  QCOMPARE(window_->centralWidget(), globe);
  // The globe sits right below the menu bar and fills the rest of the window.
  const QRect bar = window_->menuBar()->geometry();
  QCOMPARE(globe->geometry().top(), bar.bottom() + 1);
  QCOMPARE(window_->size(), QSize(298, 369 + bar.height()));
  QVERIFY(window_->findChildren<QScrollBar*>().isEmpty());

  QCOMPARE(window_->minimumSize(), window_->maximumSize());
  const Qt::WindowFlags flags = window_->windowFlags();
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(flags & Qt::WindowMinimizeButtonHint);
  QVERIFY(flags & Qt::WindowSystemMenuHint);
  QCOMPARE(window_->windowTitle(), QStringLiteral("ユキポム"));
  const QPoint screenCentre = window_->screen()->availableGeometry().center();
  QVERIFY((window_->frameGeometry().center() - screenCentre).manhattanLength() <= 1);
  QCOMPARE(window_->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
  QCOMPARE(window_->font().pixelSize(), 12);

  // The window shows the globe picture itself.
  QCOMPARE(globe->grab().toImage().convertToFormat(QImage::Format_RGB32), probe.Globe());
}

void TestMainWindow::hotZonesSitOverTheBaublesWithTheHand() {
  const TKalvoProbe probe(*window_);
  QCOMPARE(probe.PlayZone()->geometry(), QRect(112, 288, 25, 26));
  QCOMPARE(probe.StopZone()->geometry(), QRect(155, 289, 22, 26));
  for (THotZone* zone : {probe.PlayZone(), probe.StopZone()}) {
    const QCursor cursor = zone->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(15, 2));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
  }
  QCOMPARE(probe.GlobeView()->cursor().shape(), Qt::ArrowCursor);
}

void TestMainWindow::hotZoneClicksReachTheirHandlersAndNothingElseDoes() {
  const TfmKalvo& window = *window_;
  const TKalvoProbe probe(*window_);
  // Around the zones, inside the globe: nothing happens.
  for (const QPoint where : {QPoint(111, 300), QPoint(137, 300), QPoint(150, 300), QPoint(177, 300),
                             QPoint(148, 150), QPoint(5, 5)}) {
    QTest::mouseClick(probe.GlobeView(), Qt::LeftButton, {}, where);
  }
  QVERIFY(!window.ShowRunning());
  QVERIFY(probe.Item("miSnowType")->isEnabled());

  QTest::mouseClick(probe.PlayZone(), Qt::LeftButton, {}, QPoint(12, 13));
  QVERIFY(window.ShowRunning());
  QVERIFY(!probe.Item("miSnowType")->isEnabled());
  QVERIFY(!probe.Item("miMusic")->isEnabled());

  QTest::mouseClick(probe.StopZone(), Qt::LeftButton, {}, QPoint(11, 13));
  QVERIFY(!window.ShowRunning());
  QVERIFY(probe.Item("miSnowType")->isEnabled());
  QVERIFY(probe.Item("miMusic")->isEnabled());
}

void TestMainWindow::readMeItemFollowsTheFileAtStartUp_data() {
  QTest::addColumn<QString>("entry");  // what "ReadMe.txt" is at start-up
  QTest::addColumn<bool>("visible");
  QTest::newRow("file") << "file" << true;
  QTest::newRow("missing") << "missing" << false;
  QTest::newRow("folder of that name") << "folder" << false;
}

void TestMainWindow::readMeItemFollowsTheFileAtStartUp() {
  QFETCH(QString, entry);
  QFETCH(bool, visible);
  const QString path = folder_->Path("ReadMe.txt");
  if (entry == "file") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
  } else if (entry == "folder") {
    QVERIFY(QDir(folder_->Path()).mkdir("ReadMe.txt"));
  }
  TfmKalvo window;
  QCOMPARE(ActionOf(window, "miReadMe")->isVisible(), visible);

  // Decided once: a file that appears later does not bring the item.
  if (entry == "missing") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QTest::qWait(20);
    QVERIFY(!ActionOf(window, "miReadMe")->isVisible());
  }
}

void TestMainWindow::closingTheWindowReleasesTheBackBuffer() {
  const TKalvoProbe probe(*window_);
  window_->miPlayClick();
  QVERIFY(probe.Offscreen() != nullptr);
  window_->miExitClick();
  QVERIFY(!window_->isVisible());
  QVERIFY(probe.Offscreen() == nullptr);
  QVERIFY(!window_->ShowRunning());
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
