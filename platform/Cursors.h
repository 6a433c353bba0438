#pragma once
// The application's table of numbered mouse cursors, and loading a cursor
// resource (.cur) with its own hot spot.
#include <QCursor>
#include <QString>

namespace platform {

// Reads a cursor resource; the hot spot comes from its directory entry.
// Returns the arrow cursor if the resource cannot be read.
QCursor LoadCursorResource(const QString& path);

void SetCursor(int number, const QCursor& cursor);
// The cursor installed as `number`, or the arrow if there is none, drawn for
// a screen of `devicePixelRatio` device pixels per logical pixel.
QCursor CursorAt(int number, qreal devicePixelRatio = 1);

// A picture cursor at a whole-number scale: every pixel becomes a block of
// `factor` x `factor` device pixels and the hot spot stays on the same point
// of the picture. Shape cursors, and factors below 2, come back unchanged.
QCursor ScaledCursor(const QCursor& cursor, int factor);

}  // namespace platform
