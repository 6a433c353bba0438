#include "windows/Credits.h"

#include <QStringList>

namespace {

const QStringList& CreditLines() {
  static const QStringList lines = {
      QStringLiteral("presented by Yukipom Works"),
      QString(),
      QStringLiteral("https://www.example.org/yukipom/"),
      QStringLiteral("他にもいろんな楽しいソフト、ダウンロードはここから..."),
      QString(),
      QStringLiteral("E-Mail : yukipom@example.org 雪野ぽむ太"),
  };
  return lines;
}

}  // namespace

QString CreditsText() {
  return CreditLines().join(u'\r');
}

QString CreditsForDisplay() {
  return CreditLines().join(u'\n');
}
