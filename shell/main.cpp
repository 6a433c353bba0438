// ユキポム: a musical Christmas snow globe for the desktop.
#include <QApplication>
#include <QIcon>

#include "platform/Fonts.h"
#include "shell/uKalvo.h"
#include "windows/ABox.h"
#include "windows/uReadMe.h"

int main(int argc, char* argv[]) {
  // The windows are laid out in pixels at 96 dpi and are not scaled.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ユキポム"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/MAINICON.ico")));
  platform::InstallFontSubstitutions();

  TfmKalvo mainWindow;
  fmKalvo = &mainWindow;
  TAboutBox aboutBox;
  AboutBox = &aboutBox;
  TfmReadMe readMe;
  fmReadMe = &readMe;
  // Only the main window keeps the program running.
  aboutBox.setAttribute(Qt::WA_QuitOnClose, false);
  readMe.setAttribute(Qt::WA_QuitOnClose, false);

  mainWindow.show();
  return QApplication::exec();
}
