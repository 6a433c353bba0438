// yukipom-preview: plays a choreography on the real main window without a
// screen and writes the window's picture after every drawn tick.
//   yukipom-preview --pattern cocktail|unbelieve|hatuyuki|regular|tatumaki|random
//                   [--seed N] --ticks N --out DIR
#include <QAction>
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "platform/Fonts.h"
#include "platform/Random.h"
#include "shell/GlobeView.h"
#include "shell/uKalvo.h"
#include "tools/preview/PreviewOptions.h"

namespace {

void ChoosePattern(TfmKalvo& window, const TPreviewOptions& options) {
  if (options.Pattern != "random") {
    window.MenuItems.value(PatternItemOf(options.Pattern))->trigger();
    return;
  }
  // As the Random command, but with the given seed so the run can be repeated.
  if (options.Seed) {
    platform::SetRandomSeed(*options.Seed);
  } else {
    platform::Randomize();
  }
  PickRandomPattern(window.Selection);
  window.miRnd->setChecked(true);
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
                 "yukipom-preview: %s\nusage: yukipom-preview --pattern "
                 "cocktail|unbelieve|hatuyuki|regular|tatumaki|random [--seed N] --ticks N "
                 "--out DIR\n",
                 qPrintable(error));
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
  QObject::connect(window.GlobeView, &TGlobeView::presented, [&](const QImage& frame) {
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
