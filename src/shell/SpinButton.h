#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// An up-down control: two arrow buttons that step an integer position within
// a range and write it as decimal text into their buddy edit. Up raises the
// position toward the upper bound; the arrow keys do the same, in the spin
// and in its buddy.
class CSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButton(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    void SetRange(int lower, int upper);
    void SetPos(int pos);
    int Pos() const { return m_nPos; }
    int Lower() const { return m_nLower; }
    int Upper() const { return m_nUpper; }
    // One step up (+1) or down (-1), stopping at the range's ends.
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Steps for Up and Down; false for any other key.
    bool StepForKey(int key);

    QLineEdit* m_pBuddy = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
};
