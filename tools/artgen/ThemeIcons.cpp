#include "tools/artgen/ThemeIcons.h"

#include <QDir>
#include <QPainter>
#include <cstdio>

#include "tools/artgen/Icons.h"

namespace artgen {
namespace {

// Drawn four times larger and scaled down, as the main icon is, so that the
// small sizes stay smooth.
constexpr int kOversample = 4;

}  // namespace

QImage DrawThemeIcon(int size) {
  QImage large(size * kOversample, size * kOversample, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  QPainter p(&large);
  p.setRenderHint(QPainter::Antialiasing);
  DrawMainIconFigure(p, large.width());
  p.end();
  return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

bool WriteThemeIcons(const QString& folder, const QString& name) {
  for (const int size : kThemeIconSizes) {
    const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    const QString file = QStringLiteral("%1/%2.png").arg(apps, name);
    if (!QDir().mkpath(apps) || !DrawThemeIcon(size).save(file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return false;
    }
  }
  return true;
}

}  // namespace artgen
