#pragma once
// The preview tool's command line.
#include <QString>
#include <QStringList>
#include <optional>

struct TPreviewOptions {
  QString Pattern;  // cocktail|unbelieve|hatuyuki|regular|tatumaki|random
  std::optional<quint32> Seed;
  int Ticks = 0;
  QString OutDir;
};

// Parses the arguments (without the program name). On a usage error returns
// nothing and sets `error`.
std::optional<TPreviewOptions> ParsePreviewOptions(const QStringList& arguments, QString& error);

// The menu item of a pattern name, or an empty string for "random" or an
// unknown name.
QString PatternItemOf(const QString& pattern);
