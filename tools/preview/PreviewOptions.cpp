#include "tools/preview/PreviewOptions.h"

#include <QCommandLineParser>

namespace {

constexpr char kRandom[] = "random";

}  // namespace

QString PatternNames(const QString& separator) {
  QStringList names;
  for (const TPatternEntry& entry : PatternRegistry()) names << QString::fromLatin1(entry.Key);
  names << kRandom;
  return names.join(separator);
}

std::optional<TPreviewOptions> ParsePreviewOptions(const QStringList& arguments, QString& error) {
  QCommandLineParser parser;
  const QCommandLineOption pattern("pattern", "Pattern to play.", "name", "cocktail");
  const QCommandLineOption seed("seed", "Seed of the random pick.", "N");
  const QCommandLineOption ticks("ticks", "Number of ticks to run.", "N");
  const QCommandLineOption out("out", "Folder for the PNG frames.", "DIR");
  parser.addOptions({pattern, seed, ticks, out});
  if (!parser.parse(QStringList{"yukipom-preview"} + arguments)) {
    error = parser.errorText();
    return std::nullopt;
  }

  TPreviewOptions options;
  const QString name = parser.value(pattern);
  options.Pattern = PatternByKey(name.toStdString());
  bool ok = false;
  options.Ticks = parser.value(ticks).toInt(&ok);
  options.OutDir = parser.value(out);
  if (!options.Pattern && name != kRandom) {
    error = "unknown pattern: " + name;
  } else if (!ok || options.Ticks < 1) {
    error = "--ticks needs a positive number";
  } else if (options.OutDir.isEmpty()) {
    error = "--out needs a folder";
  } else if (parser.isSet(seed)) {
    options.Seed = parser.value(seed).toUInt(&ok);
    if (!ok) error = "--seed needs a non-negative number";
  }
  if (!error.isEmpty()) return std::nullopt;
  return options;
}
