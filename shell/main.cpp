// ユキポム: a musical Christmas snow globe for the desktop.
#include <QApplication>

#include "shell/Program.h"

// The windows are laid out in pixels at 96 dpi. On a screen with more device
// pixels per logical pixel they are scaled by a whole number, so that every
// pixel of the pictures becomes an even block; a rounding policy the user
// sets in the environment wins.
static void ScaleByWholeNumbers() {
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR_ROUNDING_POLICY")) {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
  }
}

int main(int argc, char* argv[]) {
  ScaleByWholeNumbers();
  QApplication application(argc, argv);
  InitialiseApplication();
  TProgram program;
  return program.Run();
}
