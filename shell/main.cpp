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

// Text given in points (the platform's default font, and so the menus'
// popups) would follow the screen's dots per inch, which whole-number
// scaling leaves at anything from 64 to 128 per logical inch. Fixing it in
// pixels at 96 dpi keeps the windows laid out as designed.
static void KeepTextAtDesignSize() {
  QFont font = QApplication::font();
  if (font.pointSizeF() <= 0) return;
  font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
  QApplication::setFont(font);
}

int main(int argc, char* argv[]) {
  ScaleByWholeNumbers();
  QApplication application(argc, argv);
  KeepTextAtDesignSize();
  InitialiseApplication();
  TProgram program;
  return program.Run();
}
