#pragma once
// The preview tool's command line.
#include <QString>
#include <QStringList>
#include <optional>

#include "animation/Patterns.h"

struct TPreviewOptions {
  std::optional<TPattern> Pattern;  // nothing: Random
  std::optional<quint32> Seed;
  int Ticks = 0;
  QString OutDir;
};

// Parses the arguments (without the program name). On a usage error returns
// nothing and sets `error`.
std::optional<TPreviewOptions> ParsePreviewOptions(const QStringList& arguments, QString& error);

// The names --pattern accepts: each pattern's key, then "random".
QString PatternNames(const QString& separator);
