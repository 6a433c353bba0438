#pragma once
// Turns the bytes of a text file into text. A file that is valid UTF-8 (with
// or without a byte-order mark) is read as UTF-8; anything else is read as
// Shift-JIS (code page 932), the encoding Japanese text files have
// traditionally been saved in. Bytes that fit neither become U+FFFD, so any
// file decodes to something that can be shown.
#include <QByteArray>
#include <QString>

QString DecodeText(const QByteArray& bytes);
