#pragma once
// The About window's 32 x 32 wreath icon.
#include <QPixmap>

QPixmap WreathIcon();
