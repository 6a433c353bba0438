#pragma once
// Reading the program's read-me: the file next to the program, read whole,
// decoded and with its line ends made uniform.
#include <QString>

// The largest read-me, in bytes, that the viewer accepts. Larger files are
// refused before they are read, so a stray huge file cannot stall the
// program. The slowest text to lay out is a single line with no breaks; at
// this size even that opens in about a third of a second.
inline constexpr qint64 kReadMeSizeLimit = 512 * 1024;

// The full path of "ReadMe.txt" in the program folder.
QString ReadMePath();

// CR LF, a lone CR and a lone LF each end a line; the result uses LF alone.
QString UnifyLineEnds(const QString& text);

// Reads, decodes and unifies the file at `path`. Raises EPlatformError with
// "ﾌｧｲﾙ <path> は開けません" when the file cannot be opened or read, and with
// the size-limit text when it holds more than `limit` bytes.
QString LoadTextFile(const QString& path, qint64 limit = kReadMeSizeLimit);
