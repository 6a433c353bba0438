#include "windows/ABox.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "platform/Fonts.h"
#include "platform/Placement.h"
#include "windows/Credits.h"

TAboutBox* AboutBox = nullptr;

namespace {

constexpr QSize kClientSize(306, 172);
constexpr QRect kPanelPlace(8, 8, 289, 129);
constexpr QRect kIconPlace(123, 8, 32, 32);
constexpr QPoint kVersionPlace(11, 49);
constexpr QRect kOKButtonPlace(115, 143, 75, 25);
// From the panel's outer edge to the credits: its two one-pixel bevels and
// a little air, so no letter touches them.
constexpr int kTextGap = 5;

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

QPalette PanelPalette(const QPalette& base) {
  QPalette palette = base;
  palette.setColor(QPalette::Window, kRed);
  // The bevels keep the usual highlight and shadow, whatever the face colour.
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Dark, QColor(128, 128, 128));
  return palette;
}

// Paints a picture label's pixmap stretched to the label, each pixel an
// even block on a scaled screen: a label left to itself smooths a picture
// that it enlarges.
class TBlockPainter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == nullptr || event->type() != QEvent::Paint) return false;
    QPainter painter(label);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(label->rect(), label->pixmap());
    return true;
  }
};

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("ユキポムについて..."));
  setFont(platform::ProportionalGothic());
  setFixedSize(kClientSize);
  BuildComponents();
  FormCreate();
}

void TAboutBox::BuildComponents() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(kPanelPlace);
  // A one-pixel sunken box draws a lowered outer bevel around a raised inner one.
  Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setMidLineWidth(0);
  Panel1->setPalette(PanelPalette(Panel1->palette()));
  Panel1->setAutoFillBackground(true);
  Panel1->setFocusPolicy(Qt::NoFocus);

  imgIcon1 = new QLabel(Panel1);
  imgIcon1->setObjectName(QStringLiteral("imgIcon1"));
  imgIcon1->setGeometry(kIconPlace);
  imgIcon1->installEventFilter(new TBlockPainter(imgIcon1));
  imgIcon1->setPixmap(QPixmap(QStringLiteral(":/assets/imgIcon1.ico")));

  Version = new QLabel(Panel1);
  Version->setObjectName(QStringLiteral("Version"));
  Version->setTextFormat(Qt::PlainText);
  Version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Version->setFont(platform::ProportionalGothic());
  QPalette versionPalette = Version->palette();
  versionPalette.setColor(QPalette::WindowText, kYellow);
  Version->setPalette(versionPalette);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(kOKButtonPlace);
  OKButton->setDefault(true);
  OKButton->setFocus();
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::FormCreate() {
  Version->setText(CreditsForDisplay());
  PlaceVersion();
}

// The label grows to its widest line and its lines from its design place.
// Should a font with wider or taller letters push it past the panel's right
// or bottom edge, it moves left or up just far enough to keep a small gap to
// the bevels, but never over the bevels or the wreath.
void TAboutBox::PlaceVersion() {
  Version->adjustSize();
  const QRect inside = Panel1->rect().adjusted(kTextGap, kTextGap, -kTextGap, -kTextGap);
  const int left =
      std::max(inside.left(), std::min(kVersionPlace.x(), inside.right() + 1 - Version->width()));
  const int top = std::max(kIconPlace.bottom() + 1 + kTextGap,
                           std::min(kVersionPlace.y(), inside.bottom() + 1 - Version->height()));
  Version->move(left, top);
}

void TAboutBox::OKButtonClick() {
  accept();
}

int TAboutBox::ShowModal() {
  return exec();
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (!placed_) {
    platform::CentreOnScreen(*this);
    placed_ = true;
  }
  QDialog::showEvent(event);
}

// The window has no cancel button, so Esc does nothing; every other key
// takes the dialog's usual path (Enter presses the default OK button).
void TAboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
