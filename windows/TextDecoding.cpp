#include "windows/TextDecoding.h"

#include <iconv.h>

#include <QStringDecoder>
#include <cstring>
#include <memory>

namespace {

const QChar kReplacement(QChar::ReplacementCharacter);

// A decoding and how well the bytes fitted it.
struct TDecoding {
  QString Text;
  qsizetype BadBytes = 0;        // each became one U+FFFD
  qsizetype MultiByteBytes = 0;  // bytes of well-formed multi-byte characters (UTF-8 only)
};

// The length of the well-formed UTF-8 character of two or more bytes that
// starts at `p`, or 0 when none does (the ranges of the Unicode standard:
// no overlong forms, no surrogates, nothing past U+10FFFF).
int MultiByteLength(const unsigned char* p, qsizetype left) {
  const unsigned char lead = p[0];
  int length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < length || p[1] < low || p[1] > high) return 0;
  for (int k = 2; k < length; ++k) {
    if (p[k] < 0x80 || p[k] > 0xBF) return 0;
  }
  return length;
}

// UTF-8 with one replacement character for every byte that does not belong
// to a well-formed character.
TDecoding DecodeUtf8(const QByteArray& bytes) {
  TDecoding result;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype size = bytes.size();
  qsizetype runStart = 0;  // start of the well-formed stretch not yet appended
  qsizetype i = 0;
  while (i < size) {
    if (data[i] < 0x80) {
      ++i;
      continue;
    }
    const int length = MultiByteLength(data + i, size - i);
    if (length > 0) {
      result.MultiByteBytes += length;
      i += length;
      continue;
    }
    result.Text += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
    result.Text += kReplacement;
    ++result.BadBytes;
    runStart = ++i;
  }
  result.Text += QString::fromUtf8(bytes.constData() + runStart, size - runStart);
  return result;
}

struct IconvCloser {
  void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

// Code page 932 with one replacement character for every byte that starts
// no character. Without the converter nothing is Shift-JIS: every byte
// counts as bad, so UTF-8 is always chosen.
TDecoding DecodeShiftJis(const QByteArray& bytes) {
  iconv_t raw = iconv_open("UTF-8", "CP932");
  if (raw == reinterpret_cast<iconv_t>(-1)) return {QString(), bytes.size() + 1};
  std::unique_ptr<void, IconvCloser> handle(raw);

  constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";
  constexpr size_t kReplacementSize = sizeof(kReplacementUtf8) - 1;
  // One input byte never yields more than three bytes of UTF-8: a two-byte
  // character becomes at most three, a single byte (or a replacement) three.
  QByteArray out(bytes.size() * 3, Qt::Uninitialized);
  char* in = const_cast<char*>(bytes.constData());
  size_t inLeft = static_cast<size_t>(bytes.size());
  char* outPos = out.data();
  size_t outLeft = static_cast<size_t>(out.size());
  qsizetype bad = 0;
  while (inLeft > 0) {
    if (iconv(raw, &in, &inLeft, &outPos, &outLeft) != static_cast<size_t>(-1)) break;
    // EILSEQ (no such character) or EINVAL (cut off at the end): one
    // replacement character for the offending byte, then on after it.
    std::memcpy(outPos, kReplacementUtf8, kReplacementSize);
    outPos += kReplacementSize;
    outLeft -= kReplacementSize;
    ++in;
    --inLeft;
    ++bad;
  }
  out.truncate(static_cast<qsizetype>(outPos - out.data()));
  return {QString::fromUtf8(out), bad};
}

// UTF-16 after its byte-order mark; an odd last byte or a lone surrogate
// becomes a replacement character.
QString DecodeUtf16(const QByteArray& bytes, QStringConverter::Encoding encoding) {
  QStringDecoder decoder(
      encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder.decode(QByteArrayView(bytes).first(bytes.size() & ~qsizetype(1)));
  if (bytes.size() % 2 != 0) text += kReplacement;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (pair) {
      ++i;
    } else if (text[i].isSurrogate()) {
      text[i] = kReplacement;
    }
  }
  return text;
}

// Shift-JIS explains the bytes better than UTF-8: fewer bad bytes, and
// UTF-8's bad bytes too many to be stray ones in a UTF-8 text.
bool BetterAsShiftJis(const TDecoding& utf8, qsizetype shiftJisBadBytes) {
  return shiftJisBadBytes < utf8.BadBytes && 2 * utf8.BadBytes > utf8.MultiByteBytes;
}

}  // namespace

QString DecodeText(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeUtf8(bytes.mid(3)).Text;
  if (bytes.startsWith("\xFF\xFE")) return DecodeUtf16(bytes.mid(2), QStringConverter::Utf16LE);
  if (bytes.startsWith("\xFE\xFF")) return DecodeUtf16(bytes.mid(2), QStringConverter::Utf16BE);
  TDecoding utf8 = DecodeUtf8(bytes);
  if (utf8.BadBytes == 0) return utf8.Text;
  TDecoding shiftJis = DecodeShiftJis(bytes);
  return BetterAsShiftJis(utf8, shiftJis.BadBytes) ? shiftJis.Text : utf8.Text;
}
