#pragma once
// Where the program's small windows first appear.
#include <QWidget>

// Moves a top-level window so that it sits in the middle of its screen's
// available area. Moving it explicitly also stops the platform from placing
// it again at later showings, so it stays where the user leaves it.
void CentreOnScreen(QWidget& window);
