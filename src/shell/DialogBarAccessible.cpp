#include "shell/DialogBarAccessible.h"

#include "platform/DrawnItemsAccessible.h"
#include "shell/ModeButtons.h"
#include "shell/SpinButton.h"
#include "shell/StatusDialogBar.h"

#include <QAccessibleWidget>

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

QAccessibleInterface* DialogBarFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CStatusDialogBar"))
        return new sorvat::DrawnItemsAccessible(static_cast<CStatusDialogBar*>(object),
                                                *static_cast<CStatusDialogBar*>(object), QAccessible::Pane);
    if (className == QLatin1String("CManualRadioButton"))
        return new ModeButtonAccessible(static_cast<CManualRadioButton*>(object));
    if (className == QLatin1String("CSpinButton"))
        return new SpinAccessible(static_cast<CSpinButton*>(object));
    // Qt names a tool bar by its title; this one takes the accessible name.
    if (className == QLatin1String("QToolBar"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::ToolBar);
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("messagePane"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void InstallDialogBarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DialogBarFactory);
        return true;
    }();
    (void)installed;
}
