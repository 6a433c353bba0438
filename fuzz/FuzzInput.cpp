#include "fuzz/FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

QString WriteInputFile(const std::uint8_t* data, std::size_t size, const QString& name) {
  static QTemporaryDir folder;  // removed when the fuzzer exits
  const QString path = folder.filePath(name);
  QFile file(path);
  const auto length = static_cast<qint64>(size);
  if (!folder.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(data), length) != length) {
    std::abort();
  }
  return path;
}
