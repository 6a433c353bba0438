#include "tools/preview/PreviewOptions.h"

#include <QCommandLineParser>
#include <QHash>

QString PatternItemOf(const QString& pattern) {
  static const QHash<QString, QString> items{
      {"cocktail", "miCocktail"}, {"unbelieve", "miUnbelieve"}, {"hatuyuki", "miHatuyuki"},
      {"regular", "miRegular"},   {"tatumaki", "miTatumaki"},
  };
  return items.value(pattern);
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
  options.Pattern = parser.value(pattern);
  bool ok = false;
  options.Ticks = parser.value(ticks).toInt(&ok);
  options.OutDir = parser.value(out);
  if (options.Pattern != "random" && PatternItemOf(options.Pattern).isEmpty()) {
    error = "unknown pattern: " + options.Pattern;
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
