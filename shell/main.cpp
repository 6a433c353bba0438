// ユキポム: a musical Christmas snow globe for the desktop.
#include <QApplication>

#include "shell/Program.h"

int main(int argc, char* argv[]) {
  // The windows are laid out in pixels at 96 dpi and are not scaled.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  }
  QApplication application(argc, argv);
  InitialiseApplication();
  TProgram program;
  return program.Run();
}
