#pragma once
#include <QCheckBox>
#include <QRadioButton>

// Buttons that do not change their check state when clicked: the click is
// only reported, and the program sets the state itself.
class CManualRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit CManualRadioButton(const QString& text, QWidget* parent = nullptr)
        : QRadioButton(text, parent) {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override {}
};

class CManualCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CManualCheckBox(const QString& text, QWidget* parent = nullptr)
        : QCheckBox(text, parent) {}

protected:
    void nextCheckState() override {}
};
