#include "shell/MenuBuilder.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kKeyCodeMask = 0xFF;
constexpr int kShiftFlag = 0x2000;
constexpr int kAltFlag = 0x8000;

QAction* AddItem(QMenu& menu, const TMenuItemDesign& item, QHash<QString, QActionGroup*>& groups) {
  QAction* action = QString::fromUtf8(item.Caption) == QLatin1String("-")
                        ? menu.addSeparator()
                        : menu.addAction(QString::fromUtf8(item.Caption));
  action->setProperty("GroupIndex", item.GroupIndex);
  action->setProperty("RadioItem", item.RadioItem);
  if (item.ShortCut != 0) action->setShortcut(ShortCutToKeySequence(item.ShortCut));
  if (item.RadioItem) {
    const QString key = QStringLiteral("%1/%2").arg(menu.objectName()).arg(item.GroupIndex);
    QActionGroup*& group = groups[key];
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

QHash<QString, QAction*> BuildMenu(QMenuBar& bar, std::span<const TMenuItemDesign> design) {
  QHash<QString, QAction*> items;
  QHash<QString, QMenu*> menus;
  QHash<QString, QActionGroup*> groups;
  for (const TMenuItemDesign& item : design) {
    const QString name = QString::fromUtf8(item.Name);
    QAction* action = nullptr;
    if (item.Parent == nullptr) {
      QMenu* menu = bar.addMenu(QString::fromUtf8(item.Caption));
      menu->setObjectName(name);
      menus.insert(name, menu);
      action = menu->menuAction();
    } else {
      action = AddItem(*menus.value(QString::fromUtf8(item.Parent)), item, groups);
    }
    action->setObjectName(name);
    items.insert(name, action);
  }
  return items;
}
