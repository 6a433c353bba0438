#pragma once
// Builds a menu bar from its design table.
#include <QHash>
#include <QKeySequence>
#include <QString>
#include <span>

#include "shell/MainMenu.h"

class QAction;
class QMenuBar;

// A shortcut in its stored form (modifier flag plus virtual-key code) as a key sequence.
QKeySequence ShortCutToKeySequence(int shortCut);

// Creates every item of `design` on `bar`. Returns each item's action by
// name; an item of the bar itself is represented by its menu's action.
// Radio items of one group in one submenu form an exclusive group.
QHash<QString, QAction*> BuildMenu(QMenuBar& bar, std::span<const TMenuItemDesign> design);
