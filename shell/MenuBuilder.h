#pragma once
// Builds a menu bar from its design rows.
#include <QKeySequence>
#include <span>
#include <vector>

#include "shell/MainMenu.h"

class QAction;
class QMenuBar;

// A shortcut in its stored form (modifier flag plus virtual-key code) as a key sequence.
QKeySequence ShortCutToKeySequence(int shortCut);

// Creates every item of `design` on `bar` (rows in tree order, as
// ParentsAreTheirBarItems checks) and returns their actions in row order;
// an item of the bar itself is represented by its menu's action. Each
// action's object name is its item's name. Radio items of one group in one
// submenu form an exclusive group.
std::vector<QAction*> BuildMenu(QMenuBar& bar, std::span<const TMenuItemDesign> design);
