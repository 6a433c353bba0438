#pragma once
// Turns the bytes of a text file into text, choosing the encoding:
//
// - A byte-order mark decides: UTF-8 (EF BB BF), UTF-16 little-endian
//   (FF FE) or big-endian (FE FF); the mark itself is dropped.
// - Otherwise the bytes are read as Shift-JIS (code page 932) only when code
//   page 932 decodes them with fewer bad bytes than UTF-8 does and UTF-8's
//   bad bytes are more than half as many as the bytes of its well-formed
//   multi-byte characters; in every other case they are read as UTF-8.
//
// A UTF-8 file with a few stray bytes thus stays UTF-8, while a Shift-JIS
// file, whose bytes only now and then happen to form UTF-8, is read as
// Shift-JIS. Every byte that fits neither becomes one U+FFFD, so any file
// decodes to something that can be shown.
#include <QByteArray>
#include <QString>

QString DecodeText(const QByteArray& bytes);
