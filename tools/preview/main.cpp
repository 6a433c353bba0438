// yukipom-preview: plays a choreography on the real main window without a
// screen and writes the window's picture after every drawn tick.
//   yukipom-preview --pattern cocktail|unbelieve|hatuyuki|regular|tatumaki|random
//                   [--seed N] --ticks N --out DIR
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "platform/Fonts.h"
#include "shell/uKalvo.h"
#include "tools/preview/PreviewOptions.h"

namespace {

void ChoosePattern(TfmKalvo& window, const TPreviewOptions& options) {
  if (options.Pattern) {
    window.ChoosePattern(*options.Pattern);
  } else {
    // As the Random command, with the given seed so the run can be repeated.
    window.PickRandom(options.Seed);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication application(argc, argv);
  platform::InstallFontSubstitutions();

  QString error;
  const auto options = ParsePreviewOptions(QApplication::arguments().mid(1), error);
  if (!options) {
    std::fprintf(stderr,
                 "yukipom-preview: %s\nusage: yukipom-preview --pattern %s [--seed N] --ticks N "
                 "--out DIR\n",
                 qPrintable(error), qPrintable(PatternNames("|")));
    return 2;
  }
  if (!QDir().mkpath(options->OutDir)) {
    std::fprintf(stderr, "yukipom-preview: cannot create %s\n", qPrintable(options->OutDir));
    return 1;
  }

  TfmKalvo window;
  window.show();
  ChoosePattern(window, *options);
  int tick = 0;
  bool writeFailed = false;
  QObject::connect(&window, &TfmKalvo::presented, [&](const QImage& frame) {
    const QString path = QDir(options->OutDir).filePath(QString::asprintf("tick-%04d.png", tick));
    if (!frame.save(path)) writeFailed = true;
  });
  window.miPlayClick();
  for (tick = 1; tick <= options->Ticks && !writeFailed; ++tick) window.tmrPlayTimer();
  if (writeFailed) {
    std::fprintf(stderr, "yukipom-preview: cannot write into %s\n", qPrintable(options->OutDir));
    return 1;
  }
  return 0;
}
