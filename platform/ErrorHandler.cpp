#include "platform/ErrorHandler.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "platform/PlatformError.h"

namespace platform {
namespace {

void ShowMessageBox(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("ユキポム"), text, QMessageBox::Ok);
  box.exec();
}

ErrorPresenter& Presenter() {
  static ErrorPresenter presenter = ShowMessageBox;
  return presenter;
}

}  // namespace

void ShowError(const QString& text) {
  Presenter()(text);
}

ErrorPresenter SetErrorPresenter(ErrorPresenter presenter) {
  ErrorPresenter previous = Presenter();
  Presenter() = presenter ? std::move(presenter) : ErrorPresenter(ShowMessageBox);
  return previous;
}

void Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const EPlatformError& error) {
    ShowError(error.Text());
  } catch (const std::exception& error) {
    ShowError(QString::fromLocal8Bit(error.what()));
  }
}

}  // namespace platform
