#pragma once
// The shape of the main window's menu tree: one row per item with its name,
// place, caption, shortcut, radio group and initial check mark, the window's
// field that keeps it and the command it runs. The rows themselves are the
// window's own (TfmKalvo::MenuDesign), since they name its private fields.
#include <optional>
#include <span>
#include <string_view>

#include "animation/Patterns.h"

class QAction;
class TfmKalvo;

using TMenuCommand = void (TfmKalvo::*)();
using TMenuComponent = QAction* TfmKalvo::*;

struct TMenuItemDesign {
  const char* Name;
  const char* Parent;   // nullptr: an item of the menu bar itself
  const char* Caption;  // "-" is a separator
  int ShortCut;         // modifier flag plus virtual-key code; 0 for none
  int GroupIndex;
  bool RadioItem;
  bool Checked;
  TMenuComponent Component;         // the window's field for the item, or nullptr
  TMenuCommand Click;               // the command the item runs, or nullptr
  std::optional<TPattern> Pattern;  // the pattern a pattern item selects
};

inline constexpr int kCtrlFlag = 0x4000;
inline constexpr int kShortCutCtrlP = kCtrlFlag + 'P';  // 16464
inline constexpr int kShortCutCtrlS = kCtrlFlag + 'S';  // 16467
static_assert(kShortCutCtrlP == 16464 && kShortCutCtrlS == 16467);

// Rows follow the tree: a menu-bar item, then the items of its menu, whose
// Parent names that bar item.
constexpr bool ParentsAreTheirBarItems(std::span<const TMenuItemDesign> design) {
  const char* bar = nullptr;
  for (const TMenuItemDesign& item : design) {
    if (item.Parent == nullptr) {
      bar = item.Name;
    } else if (bar == nullptr || std::string_view(item.Parent) != bar) {
      return false;
    }
  }
  return true;
}

// Every pattern of the registry has exactly one item.
constexpr bool EachPatternHasOneItem(std::span<const TMenuItemDesign> design) {
  for (int p = 0; p < kPatternCount; ++p) {
    int items = 0;
    for (const TMenuItemDesign& item : design) items += item.Pattern == static_cast<TPattern>(p);
    if (items != 1) return false;
  }
  return true;
}
