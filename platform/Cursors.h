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
// The cursor installed as `number`, or the arrow if there is none.
QCursor CursorAt(int number);

}  // namespace platform
