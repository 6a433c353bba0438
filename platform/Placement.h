#pragma once
// Where the program's small windows first appear.
#include <QRect>
#include <QSize>
#include <QWidget>

namespace platform {

// The top-left corner that puts a frame of `frameSize` in the middle of `area`.
QPoint CentredTopLeft(const QSize& frameSize, const QRect& area);

// Moves a top-level window so that its frame, title bar included, sits in
// the middle of its screen's available area. A window manager frames the
// window only after it is first shown, so the window is centred again once
// the frame's size is known. Moving it explicitly also stops the platform
// from placing it again at later showings, so it stays where the user leaves it.
void CentreOnScreen(QWidget& window);

}  // namespace platform
