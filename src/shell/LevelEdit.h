#pragma once
#include <QLineEdit>

// The level edit of the dialog bar: read-only decimal text that refuses the
// digits above MaxLevel as a second barrier.
class CLevelEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CLevelEdit(QWidget* parent = nullptr);

    // Whether a typed character is swallowed: '0' + MaxLevel < c <= '9'.
    static bool Refuses(QChar c);
    // Raises MaxLevel to 9 when the main frame exists and bit 0 of the
    // settings' options is set; never lowers it.
    static void UpdateMaxLevel();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
