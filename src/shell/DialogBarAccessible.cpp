#include "shell/DialogBarAccessible.h"

#include "platform/DrawnItemsAccessible.h"
#include "shell/ModeButtons.h"
#include "shell/SpinButton.h"
#include "shell/StatusDialogBar.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <algorithm>

namespace {

class ModeButtonAccessible final : public QAccessibleWidget {
public:
    explicit ModeButtonAccessible(CManualRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Button()->text().remove(QLatin1Char('&')).normalized(QString::NormalizationForm_KC);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CManualRadioButton* Button() const { return static_cast<CManualRadioButton*>(widget()); }
};

// The level's spin box with a value, which a screen reader says with the
// name and again at every step (CSpinButton::SetPos reports the change).
class SpinAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinAccessible(CSpinButton* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(Spin()->Pos());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return Spin()->Pos(); }
    void setCurrentValue(const QVariant& value) override { Spin()->SetPos(value.toInt()); }
    QVariant maximumValue() const override { return std::max(Spin()->Lower(), Spin()->Upper()); }
    QVariant minimumValue() const override { return std::min(Spin()->Lower(), Spin()->Upper()); }
    QVariant minimumStepSize() const override { return 1; }

private:
    CSpinButton* Spin() const { return static_cast<CSpinButton*>(widget()); }
};

// A menu item named as a voice should read it (SpokenMenuText); otherwise
// what Qt's own menu item does: the item of its menu or menu bar, its
// submenu as its child, pressed or opened by its action.
class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QWidget* owner, QAction* action) : m_owner(owner), m_action(action) {}

    bool isValid() const override { return m_owner && m_action; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override {
        QAccessibleInterface* owner = parent();
        return owner ? owner->window() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner); }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && isValid() && m_action->menu() ? QAccessible::queryAccessibleInterface(m_action->menu())
                                                           : nullptr;
    }
    int childCount() const override { return isValid() && m_action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && isValid() && child->object() == m_action->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* menu = child(0);
        return menu && menu->rect().contains(x, y) ? menu : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? SpokenMenuText(*m_action) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        QRect local;
        if (auto* bar = qobject_cast<QMenuBar*>(m_owner.data())) local = bar->actionGeometry(m_action);
        if (auto* menu = qobject_cast<QMenu*>(m_owner.data())) local = menu->actionGeometry(m_action);
        return local.translated(m_owner->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        return isValid() && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.invisible = !m_owner->isVisible() || !m_action->isVisible();
        QAction* active = nullptr;
        if (auto* bar = qobject_cast<QMenuBar*>(m_owner.data())) active = bar->activeAction();
        if (auto* menu = qobject_cast<QMenu*>(m_owner.data())) active = menu->activeAction();
        s.focused = active == m_action;
        s.disabled = m_action->isSeparator() || !m_action->isEnabled();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        s.hasPopup = m_action->menu() != nullptr;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || m_action->isSeparator()) return {};
        return {m_action->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!isValid() || !m_action->isEnabled()) return;
        if (name == pressAction()) {
            m_action->trigger();
        } else if (name == showMenuAction() && m_action->menu()) {
            if (m_action->menu()->isVisible())
                m_action->menu()->hide();
            else if (auto* bar = qobject_cast<QMenuBar*>(m_owner.data()))
                bar->setActiveAction(m_action);
            else if (auto* menu = qobject_cast<QMenu*>(m_owner.data()))
                menu->setActiveAction(m_action);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QWidget> m_owner;
    QPointer<QAction> m_action;
};

// The menu or menu bar that shows `action`.
QWidget* MenuOf(QAction* action) {
    for (QObject* shown : action->associatedObjects()) {
        auto* widget = qobject_cast<QWidget*>(shown);
        if ((qobject_cast<QMenu*>(shown) || qobject_cast<QMenuBar*>(shown)) && widget->actions().contains(action))
            return widget;
    }
    return nullptr;
}

QAccessibleInterface* DialogBarFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CStatusDialogBar"))
        return new sorvat::DrawnItemsAccessible(static_cast<CStatusDialogBar*>(object),
                                                *static_cast<CStatusDialogBar*>(object), QAccessible::Pane);
    if (className == QLatin1String("CManualRadioButton"))
        return new ModeButtonAccessible(static_cast<CManualRadioButton*>(object));
    if (className == QLatin1String("CSpinButton"))
        return new SpinAccessible(static_cast<CSpinButton*>(object));
    if (className == QLatin1String("QAction")) {
        auto* action = static_cast<QAction*>(object);
        QWidget* menu = MenuOf(action);
        return menu ? new MenuItemAccessible(menu, action) : nullptr;
    }
    // Qt names a tool bar by its title; this one takes the accessible name.
    if (className == QLatin1String("QToolBar"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::ToolBar);
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("messagePane"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

QString SpokenMenuText(const QAction& action) {
    const QVariant spoken = action.property(SpokenNameProperty);
    if (spoken.isValid()) return spoken.toString();
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    QString text = action.text().section(QLatin1Char('\t'), 0, 0);  // the shortcut comes after a tab
    text.remove(mnemonic).remove(QStringLiteral("...")).remove(QLatin1Char('&'));
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

void InstallDialogBarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DialogBarFactory);
        return true;
    }();
    (void)installed;
}
