#include "windows/ReadMeFile.h"

#include <QFile>

#include "platform/PlatformError.h"
#include "platform/ProgramFolder.h"
#include "windows/TextDecoding.h"

namespace {

platform::EPlatformError CannotOpen(const QString& path) {
  return platform::EPlatformError(QStringLiteral("ﾌｧｲﾙ %1 は開けません").arg(path));
}

platform::EPlatformError TooLarge() {
  return platform::EPlatformError(QStringLiteral("文字列の大きさが ﾒﾓ の制限を越えました"));
}

}  // namespace

QString ReadMePath() {
  return platform::ProgramFolder() + QStringLiteral("ReadMe.txt");
}

QString UnifyLineEnds(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r') {
      result += c;
      continue;
    }
    result += u'\n';
    if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
  }
  return result;
}

QString LoadTextFile(const QString& path, qint64 limit) {
  QFile file(path);
  // Only a regular file is opened: a folder cannot be read as text, and a
  // pipe or device of that name would block the open indefinitely.
  if (!platform::FileExists(path) || !file.open(QIODevice::ReadOnly)) throw CannotOpen(path);
  if (file.size() > limit) throw TooLarge();
  // Read one byte past the limit, so a file that grew since its size was
  // taken is still refused rather than cut short.
  const QByteArray bytes = file.read(limit + 1);
  if (file.error() != QFileDevice::NoError) throw CannotOpen(path);
  if (bytes.size() > limit) throw TooLarge();
  return UnifyLineEnds(DecodeText(bytes));
}
