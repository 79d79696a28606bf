#include "shell/DialogBarAccessible.h"

#include "platform/DrawnItemsAccessible.h"
#include "shell/ModeButtons.h"
#include "shell/SpinButton.h"
#include "shell/StatusDialogBar.h"

#include <QAccessibleWidget>

namespace {

class ModeButtonAccessible final : public QAccessibleWidget {
public:
    explicit ModeButtonAccessible(CManualRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Button()->text().remove(QLatin1Char('&'));
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

class SpinAccessible final : public QAccessibleWidget {
public:
    explicit SpinAccessible(CSpinButton* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(static_cast<CSpinButton*>(widget())->Pos());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* DialogBarFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CStatusDialogBar"))
        return new sorvat::DrawnItemsAccessible(static_cast<CStatusDialogBar*>(object),
                                                *static_cast<CStatusDialogBar*>(object), QAccessible::Pane);
    if (className == QLatin1String("CManualRadioButton"))
        return new ModeButtonAccessible(static_cast<CManualRadioButton*>(object));
    if (className == QLatin1String("CSpinButton"))
        return new SpinAccessible(static_cast<CSpinButton*>(object));
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
