#include "shell/MenuBuilder.h"

#include <QActionGroup>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kKeyCodeMask = 0xFF;
constexpr int kShiftFlag = 0x2000;
constexpr int kAltFlag = 0x8000;

QAction* AddItem(QMenu& menu, const TMenuItemDesign& item, QHash<int, QActionGroup*>& groups) {
  QAction* action = QString::fromUtf8(item.Caption) == QLatin1String("-")
                        ? menu.addSeparator()
                        : menu.addAction(QString::fromUtf8(item.Caption));
  action->setProperty("GroupIndex", item.GroupIndex);
  action->setProperty("RadioItem", item.RadioItem);
  if (item.ShortCut != 0) action->setShortcut(ShortCutToKeySequence(item.ShortCut));
  if (item.RadioItem) {
    QActionGroup*& group = groups[item.GroupIndex];
    if (group == nullptr) group = new QActionGroup(&menu);
    action->setCheckable(true);
    action->setChecked(item.Checked);
    group->addAction(action);
  }
  return action;
}

}  // namespace

QKeySequence ShortCutToKeySequence(int shortCut) {
  QKeyCombination combination(static_cast<Qt::Key>(shortCut & kKeyCodeMask));
  Qt::KeyboardModifiers modifiers;
  if (shortCut & kCtrlFlag) modifiers |= Qt::ControlModifier;
  if (shortCut & kShiftFlag) modifiers |= Qt::ShiftModifier;
  if (shortCut & kAltFlag) modifiers |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(modifiers, combination.key()));
}

std::vector<QAction*> BuildMenu(QMenuBar& bar, std::span<const TMenuItemDesign> design) {
  std::vector<QAction*> items;
  QMenu* menu = nullptr;
  QHash<int, QActionGroup*> groups;  // the radio groups of the current menu
  for (const TMenuItemDesign& item : design) {
    QAction* action = nullptr;
    if (item.Parent == nullptr) {
      menu = bar.addMenu(QString::fromUtf8(item.Caption));
      groups.clear();
      action = menu->menuAction();
    } else {
      action = AddItem(*menu, item, groups);
    }
    action->setObjectName(QString::fromUtf8(item.Name));
    items.push_back(action);
  }
  return items;
}
