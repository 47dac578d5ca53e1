// Menus as screen readers should meet them. Qt names every item a plain menu item: a check mark
// that is off goes unsaid and a submenu sounds like a command. Here items with a check mark are
// check boxes, or radio buttons where every item of their menu carries one (the selectors, one
// choice of several), and an item that opens a submenu is expandable, expanded while it is open.
// The menu bar keeps Qt's own interface; the popup menus get one that knows these items.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "accessible_windows.h"

namespace {

// The menu an item sits in: menu items are made for the one menu each belongs to.
QMenu* MenuOf(const QAction* action) {
  for (QObject* object : action->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(object)) return menu;
  return nullptr;
}

// Whether every item of the menu has a check mark: its items are one choice of several.
bool ChoiceMenu(const QMenu* menu) {
  for (const QAction* action : menu->actions())
    if (!action->isSeparator() && !action->isCheckable()) return false;
  return true;
}

class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleMenuItem(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

  bool isValid() const override { return menu_ != nullptr && action_ != nullptr; }
  QObject* object() const override { return action_; }
  QWindow* window() const override { return menu_ != nullptr ? menu_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
  int childCount() const override { return action_->menu() != nullptr ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && action_->menu() != nullptr ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && action_->menu() != nullptr && child->object() == action_->menu() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QRect rect() const override {
    const QRect place = menu_->actionGeometry(action_);
    return QRect(menu_->mapToGlobal(place.topLeft()), place.size());
  }

  QAccessible::Role role() const override {
    if (action_->isSeparator()) return QAccessible::Separator;
    if (!action_->isCheckable()) return QAccessible::MenuItem;
    return ChoiceMenu(menu_) ? QAccessible::RadioButton : QAccessible::CheckBox;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !menu_->isVisible() || !action_->isVisible();
    s.focused = menu_->activeAction() == action_;
    s.disabled = action_->isSeparator() || !action_->isEnabled();
    s.checkable = action_->isCheckable();
    s.checked = action_->isChecked();
    if (action_->menu() != nullptr) {
      s.expandable = true;
      s.expanded = action_->menu()->isVisible();
      s.collapsed = !s.expanded;
    }
    return s;
  }
  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: return QString(action_->text()).remove(u'&');
      case QAccessible::Description: return action_->statusTip();  // why a disabled item is disabled
      case QAccessible::Accelerator: return action_->shortcut().toString(QKeySequence::NativeText);
      default: return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    if (action_->isSeparator()) return {};
    return {action_->menu() != nullptr ? showMenuAction() : pressAction()};
  }
  void doAction(const QString& name) override {
    if (!action_->isEnabled()) return;
    if (name == pressAction()) {
      action_->trigger();
    } else if (name == showMenuAction()) {
      if (action_->menu()->isVisible())
        action_->menu()->hide();
      else
        menu_->setActiveAction(action_);
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QMenu> menu_;
  QPointer<QAction> action_;
};

class AccessibleMenu : public QAccessibleWidget {
 public:
  explicit AccessibleMenu(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

  int childCount() const override { return static_cast<int>(Menu()->actions().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QAction*> actions = Menu()->actions();
    return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions.at(index)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr ? static_cast<int>(Menu()->actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAction* action = Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y)));
    return action != nullptr ? QAccessible::queryAccessibleInterface(action) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    QAction* active = Menu()->activeAction();
    return active != nullptr ? QAccessible::queryAccessibleInterface(active) : nullptr;
  }
  // A menu hangs under the item that opens it, in a menu or in the menu bar.
  QAccessibleInterface* parent() const override {
    QAction* opener = Menu()->menuAction();
    for (QObject* object : opener->associatedObjects()) {
      if (qobject_cast<QMenu*>(object) != nullptr) return QAccessible::queryAccessibleInterface(opener);
      if (auto* bar = qobject_cast<QMenuBar*>(object)) {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(bar);
        const int index = static_cast<int>(bar->actions().indexOf(opener));
        if (items != nullptr && index >= 0) return items->child(index);
      }
    }
    return QAccessibleWidget::parent();
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? QString(Menu()->title()).remove(u'&') : QAccessibleWidget::text(t);
  }

 private:
  QMenu* Menu() const { return static_cast<QMenu*>(widget()); }
};

QAccessibleInterface* MenuFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("QMenu")) return new AccessibleMenu(static_cast<QMenu*>(object));
  if (className != QLatin1String("QAction")) return nullptr;
  auto* action = static_cast<QAction*>(object);
  QMenu* menu = MenuOf(action);
  return menu != nullptr ? new AccessibleMenuItem(menu, action) : nullptr;  // menu bar items stay Qt's
}

}  // namespace

void InstallMenuAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(MenuFactory);
}
