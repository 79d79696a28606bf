#pragma once
#include "model/CellBoard.h"
#include "platform/DrawnItemsAccessible.h"

#include <QFont>
#include <QWidget>
#include <functional>
#include <vector>

class QAbstractButton;
class CLevelEdit;
class CSpinButton;

// The bar below the tool bar: undo/redo, quick save/load, reset, next move,
// the three board modes, the 再起 option, the analysis level, and a row of
// counters drawn by the bar itself (cells entered in total and per digit,
// blue when that part of the board is complete and right). To the
// accessibility interfaces the counters are named texts after the controls.
class CStatusDialogBar : public QWidget, public sorvat::DrawnItems {
    Q_OBJECT
public:
    explicit CStatusDialogBar(QWidget* parent = nullptr);

    // Stores both boards, recomputes the counters and repaints the bar.
    void UpdateStatus(const sorvat::CellBoard& board, const sorvat::CellBoard& solution);

    // A control of the bar by its id (1001, 1002, 1004, 1005, 1008, 1009 or a
    // button's command id); null for an unknown id.
    QWidget* Control(int id) const;
    QAbstractButton* Button(int id) const;
    CLevelEdit* LevelEdit() const { return m_pLevelEdit; }
    CSpinButton* Spin() const { return m_pSpin; }
    // The first control Tab reaches in the bar.
    QWidget* FirstTabStop() const;
    // The widget the keys belong to (the board): a click on a control of the
    // bar leaves the keyboard focus there or gives it back, and Escape on a
    // control of the bar returns it. The controls stay tab stops.
    void SetFocusHome(QWidget* home) { m_pFocusHome = home; }

    // Receives the command id of every button and the notifications of the
    // radio buttons, the check box (their ids) and the level edit (1004).
    void SetCommandHandler(std::function<void(int)> handler) { m_commandHandler = std::move(handler); }

    // Counter state, as drawn.
    int Entered() const { return m_nEntered; }
    int DigitCount(int d) const { return m_nDigitCount[d]; }
    int Status() const { return m_nStatus; }
    int DigitStatus(int d) const { return m_nDigitStatus[d]; }
    // The text of counter d (0..8), e.g. "3:9" or "7:A".
    QString DigitText(int d) const;
    // Left edge of the counter of digit index d; the total stands at 110.
    static int CounterX(int d) { return 110 + 42 * (d + 1); }

    // Check states of the mode buttons and the 再起 box; a mode outside 0..2
    // leaves the three radio buttons as they are.
    void SetModeChecks(int displayMode, bool repeat);

    QSize sizeHint() const override;

    // The counters as accessible texts: the total, then digits 1..9.
    int DrawnItemCount() const override { return 10; }
    QString DrawnItemName(int index) const override;
    QRect DrawnItemRect(int index) const override;
    QAccessible::Role DrawnItemRole() const override { return QAccessible::StaticText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Send(int id);

    const sorvat::CellBoard* m_pBoard = nullptr;
    const sorvat::CellBoard* m_pSolutionBoard = nullptr;
    int m_nEntered = 0;
    int m_nDigitCount[9] = {};
    int m_nStatus = 0;
    int m_nDigitStatus[9] = {};
    QFont m_fontCount;

    CLevelEdit* m_pLevelEdit = nullptr;
    CSpinButton* m_pSpin = nullptr;
    QSize m_templateSize;
    std::function<void(int)> m_commandHandler;
    std::vector<QString> m_accessibleNames;
    QWidget* m_pFocusHome = nullptr;
};
