#include "windows/uReadMe.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"
#include "platform/Placement.h"
#include "windows/ReadMeFile.h"

TfmReadMe* fmReadMe = nullptr;

namespace {

// The client area the window was laid out for; the frame and caption bar
// come on top of it.
constexpr QSize kClientSize(439, 498);

}  // namespace

TfmReadMe::TfmReadMe(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("fmReadMe"));
  setWindowTitle(QStringLiteral("お読みください"));
  setFont(platform::ProportionalGothic());
  resize(kClientSize);

  memReadMe = new QPlainTextEdit(this);
  memReadMe->setObjectName(QStringLiteral("memReadMe"));
  memReadMe->setFont(platform::FixedGothic());
  memReadMe->setFrameShape(QFrame::NoFrame);
  memReadMe->setReadOnly(true);
  // Read-only still lets the reader move the caret, select and copy.
  memReadMe->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  memReadMe->setLineWrapMode(QPlainTextEdit::NoWrap);
  memReadMe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memReadMe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ShowText(QStringLiteral("memReadMe"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(memReadMe);
  setFocusProxy(memReadMe);
}

void TfmReadMe::ShowText(const QString& text) {
  memReadMe->setPlainText(text);
  shownText_ = text;
}

void TfmReadMe::FormShow() {
  platform::Guarded([this] {
    const QString text = LoadTextFile(ReadMePath());
    // An unchanged file leaves the control alone, so the reader's caret and
    // scroll position survive closing and reopening the window.
    if (text != shownText_) ShowText(text);
  });
}

void TfmReadMe::ShowModeless() {
  if (isVisible()) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
  } else {
    show();
  }
  raise();
  activateWindow();
}

void TfmReadMe::showEvent(QShowEvent* event) {
  // Spontaneous show events come from the window system (a restore from the
  // task bar, say), not from a hidden-to-shown transition of our own.
  if (!event->spontaneous()) {
    if (!placed_) {
      platform::CentreOnScreen(*this);
      placed_ = true;
    }
    FormShow();
  }
  QWidget::showEvent(event);
}
