#include "shell/Program.h"

#include <QApplication>
#include <QIcon>

#include "platform/Fonts.h"

void InitialiseApplication() {
  QApplication::setApplicationName(QStringLiteral("ユキポム"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/MAINICON.ico")));
  platform::InstallFontSubstitutions();
}

TProgram::TProgram() {
  fmKalvo = &MainWindow;
  AboutBox = &About;
  fmReadMe = &ReadMe;
  // Only the main window keeps the program running: closing it ends the
  // program even while the read-me window is open. This is the one place
  // that says so for the secondary windows.
  for (QWidget* secondary : {static_cast<QWidget*>(&About), static_cast<QWidget*>(&ReadMe)}) {
    secondary->setAttribute(Qt::WA_QuitOnClose, false);
  }
}

TProgram::~TProgram() {
  fmReadMe = nullptr;
  AboutBox = nullptr;
  fmKalvo = nullptr;
}

int TProgram::Run() {
  MainWindow.show();
  return QApplication::exec();
}
