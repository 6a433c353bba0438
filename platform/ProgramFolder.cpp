#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <utility>

namespace platform {
namespace {

QString& Override() {
  static QString folder;
  return folder;
}

QString WithSeparator(QString folder) {
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

}  // namespace

QString ProgramFolder() {
  if (!Override().isEmpty()) return Override();
  return WithSeparator(QCoreApplication::applicationDirPath());
}

QString SetProgramFolderForTesting(const QString& folder) {
  return std::exchange(Override(),
                       folder.isEmpty() ? QString() : WithSeparator(QDir(folder).absolutePath()));
}

bool FileExists(const QString& path) {
  return QFileInfo(path).isFile();
}

}  // namespace platform
