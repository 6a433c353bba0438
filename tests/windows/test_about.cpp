// The About window: its layout, the credits and how it opens and closes.
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/Fonts.h"
#include "windows/ABox.h"
#include "windows/Credits.h"

namespace {

// Runs `inspect` on the modal window once its event loop is running. A
// window that `inspect` left open is then closed with a result of its own,
// so a failing check cannot leave the test waiting forever.
constexpr int kClosedByTest = -1;
void WhenModal(const std::function<void(QWidget*)>& inspect) {
  QTimer::singleShot(0, [inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    inspect(modal);
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog && dialog->isVisible()) dialog->done(kClosedByTest);
  });
}

// Presses a key where the user's keystroke would land: the focused control.
void PressKey(QWidget* modal, Qt::Key key) {
  QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
  QTest::keyClick(target, key);
}

}  // namespace

class TestAbout : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TAboutBox> box_;

 private slots:
  void initTestCase() { platform::InstallFontSubstitutions(); }
  void init() { box_ = std::make_unique<TAboutBox>(); }
  void cleanup() { box_.reset(); }

  void hasItsWindowSettings() {
    QCOMPARE(box_->windowTitle(), QStringLiteral("ユキポムについて..."));
    QCOMPARE(box_->size(), QSize(306, 172));
    QCOMPARE(box_->minimumSize(), box_->maximumSize());
    const Qt::WindowFlags flags = box_->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                       Qt::WindowContextHelpButtonHint)));
    QCOMPARE(QFontInfo(box_->font()).family(), QStringLiteral("IPAPGothic"));
  }

  void placesItsComponents_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Panel1") << "Panel1"
                            << "AboutBox" << QRect(8, 8, 289, 129);
    QTest::newRow("imgIcon1") << "imgIcon1"
                              << "Panel1" << QRect(123, 8, 32, 32);
    QTest::newRow("OKButton") << "OKButton"
                              << "AboutBox" << QRect(115, 143, 75, 25);
  }
  void placesItsComponents() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    auto* component = box_->findChild<QWidget*>(name);
    QVERIFY(component);
    QCOMPARE(component->parentWidget()->objectName(), parent);
    QCOMPARE(component->geometry(), place);
  }

  void componentsLookAsDesigned() {
    QCOMPARE(box_->Panel1->palette().color(QPalette::Window), QColor(255, 0, 0));
    QVERIFY(box_->Panel1->autoFillBackground());
    QCOMPARE(box_->Panel1->frameShape(), QFrame::Box);
    QCOMPARE(box_->Panel1->frameShadow(), QFrame::Sunken);
    QCOMPARE(box_->Panel1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(box_->imgIcon1->pixmap().size(), QSize(32, 32));  // the built-in wreath
    QCOMPARE(box_->Version->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(box_->Version->textFormat(), Qt::PlainText);
    QVERIFY(box_->Version->alignment() & Qt::AlignHCenter);
    QCOMPARE(QFontInfo(box_->Version->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(box_->OKButton->text(), QStringLiteral("OK"));
    QVERIFY(box_->OKButton->isDefault());
  }

  void creditsAreSixLinesJoinedByCarriageReturns() {
    const QString credits = CreditsText();
    QVERIFY(!credits.contains(u'\n'));
    const QStringList lines = credits.split(u'\r');
    QCOMPARE(lines.size(), 6);
    QVERIFY(lines[0].startsWith(QStringLiteral("presented by ")));
    QVERIFY(lines[0].size() > 13);
    QVERIFY(lines[1].isEmpty());
    QVERIFY(QRegularExpression(QStringLiteral("^https?://[^ ]*example\\.org/"))
                .match(lines[2])
                .hasMatch());
    QCOMPARE(lines[3], QStringLiteral("他にもいろんな楽しいソフト、ダウンロードはここから..."));
    QVERIFY(lines[4].isEmpty());
    QVERIFY(QRegularExpression(QStringLiteral("^E-Mail : [^ @]+@example\\.org \\S.*$"))
                .match(lines[5])
                .hasMatch());
    QCOMPARE(box_->Version->text().split(u'\n'), lines);
  }

  // The label grows to fit its lines and stays inside the panel's bevels.
  void creditsFitInsideThePanel() {
    const QFontMetrics metrics(box_->Version->font());
    int widest = 0;
    for (const QString& line : CreditsText().split(u'\r'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    const QRect label = box_->Version->geometry();
    QVERIFY(label.width() >= widest);
    QVERIFY(label.height() >= 6 * metrics.height());
    QVERIFY(label.left() <= 11 && label.top() <= 49);
    QVERIFY(label.top() > box_->imgIcon1->geometry().bottom());
    QVERIFY(box_->Panel1->rect().adjusted(4, 4, -4, -4).contains(label));
  }

  void opensCentredWithTheFocusOnOK() {
    QPoint centre, focusAt;
    WhenModal([&](QWidget* modal) {
      centre = modal->frameGeometry().center();
      QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
      QCOMPARE(modal->focusWidget(), box_->OKButton);
      modal->move(40, 50);
      PressKey(modal, Qt::Key_Return);
    });
    box_->ShowModal();
    QVERIFY((centre - box_->screen()->availableGeometry().center()).manhattanLength() <= 2);
    WhenModal([&](QWidget* modal) {
      focusAt = modal->pos();
      PressKey(modal, Qt::Key_Return);
    });
    box_->ShowModal();
    QCOMPARE(focusAt, QPoint(40, 50));
  }

  void closesWithTheOKButtonKeys_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("keypad Enter") << Qt::Key_Enter;
    QTest::newRow("Space") << Qt::Key_Space;
  }
  void closesWithTheOKButtonKeys() {
    QFETCH(Qt::Key, key);
    WhenModal([key](QWidget* modal) { PressKey(modal, key); });
    QCOMPARE(box_->ShowModal(), int(QDialog::Accepted));
    QVERIFY(!box_->isVisible());
  }

  // Esc would reject the window; it stays open until the test closes it.
  void escapeDoesNothing() {
    WhenModal([](QWidget* modal) {
      PressKey(modal, Qt::Key_Escape);
      QCoreApplication::processEvents();
    });
    QCOMPARE(box_->ShowModal(), kClosedByTest);
  }

  void reopeningShowsTheSameCredits() {
    const QString text = box_->Version->text();
    const QRect place = box_->Version->geometry();
    for (int showing = 0; showing < 2; ++showing) {
      WhenModal([](QWidget* modal) { PressKey(modal, Qt::Key_Return); });
      box_->ShowModal();
    }
    QCOMPARE(box_->Version->text(), text);
    QCOMPARE(box_->Version->geometry(), place);
  }

  // The show's clock keeps ticking behind the modal window.
  void timersTickWhileOpen() {
    QTimer clock;
    int ticks = 0;
    connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start(10);
    int ticksWhileOpen = 0;
    WhenModal([&](QWidget* modal) {
      QTest::qWait(200);
      ticksWhileOpen = ticks;
      PressKey(modal, Qt::Key_Return);
    });
    box_->ShowModal();
    QVERIFY2(ticksWhileOpen >= 5, qPrintable(QString::number(ticksWhileOpen)));
  }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
