#include "windows/TextDecoding.h"

#include <iconv.h>

#include <QStringDecoder>
#include <cstring>
#include <memory>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";  // U+FFFD
constexpr size_t kReplacementSize = sizeof(kReplacementUtf8) - 1;

struct IconvCloser {
  void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

// Decodes the whole input at once; a trailing incomplete sequence counts as
// an error rather than being held back for input that will never come.
QString DecodeUtf8(const QByteArray& bytes, bool* valid) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (valid) *valid = !decoder.hasError();
  return text;
}

QString DecodeShiftJis(const QByteArray& bytes) {
  iconv_t raw = iconv_open("UTF-8", "CP932");
  if (raw == reinterpret_cast<iconv_t>(-1)) return QString::fromLocal8Bit(bytes);
  std::unique_ptr<void, IconvCloser> handle(raw);

  // One input byte never yields more than three bytes of UTF-8: a two-byte
  // character becomes at most three, a single byte (or a replacement) three.
  QByteArray out(bytes.size() * 3, Qt::Uninitialized);
  char* in = const_cast<char*>(bytes.constData());
  size_t inLeft = static_cast<size_t>(bytes.size());
  char* outPos = out.data();
  size_t outLeft = static_cast<size_t>(out.size());
  while (inLeft > 0) {
    if (iconv(raw, &in, &inLeft, &outPos, &outLeft) != static_cast<size_t>(-1)) break;
    // EILSEQ (no such character) or EINVAL (cut off at the end): show one
    // replacement character for the offending byte and go on after it.
    std::memcpy(outPos, kReplacementUtf8, kReplacementSize);
    outPos += kReplacementSize;
    outLeft -= kReplacementSize;
    ++in;
    --inLeft;
  }
  out.truncate(static_cast<qsizetype>(outPos - out.data()));
  return QString::fromUtf8(out);
}

}  // namespace

QString DecodeText(const QByteArray& bytes) {
  // A byte-order mark says UTF-8 outright: any faults after it become
  // replacement characters rather than a guess at another encoding.
  if (bytes.startsWith(kUtf8Bom)) return DecodeUtf8(bytes.mid(3), nullptr);
  bool valid = false;
  QString text = DecodeUtf8(bytes, &valid);
  return valid ? text : DecodeShiftJis(bytes);
}
