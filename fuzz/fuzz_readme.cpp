// The read-me loader and decoder on a file's bytes. Besides not crashing,
// the result must have its line ends unified, and a file that is well-formed
// UTF-8 must read exactly as UTF-8.
#include <QStringDecoder>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "platform/PlatformError.h"
#include "windows/ReadMeFile.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = WriteInputFile(data, size, QStringLiteral("ReadMe.txt"));
  QString text;
  try {
    text = LoadTextFile(path);
  } catch (const platform::EPlatformError&) {
    Require(size > static_cast<std::size_t>(kReadMeSizeLimit));
    return 0;
  }
  Require(!text.contains(u'\r'));

  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
  const QString asUtf8 = utf8.decode(bytes);
  if (!utf8.hasError() && !bytes.startsWith("\xEF\xBB\xBF")) Require(text == UnifyLineEnds(asUtf8));
  return 0;
}
