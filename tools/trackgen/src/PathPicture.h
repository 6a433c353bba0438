#pragma once
// Draws every track of a pattern over the globe picture, one colour per kind.
#include <QImage>
#include <QString>

#include "Author.h"

namespace trackgen {

QImage PatternPicture(const AuthoredPattern& pattern, const QImage& globe);

}  // namespace trackgen
