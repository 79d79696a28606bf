#pragma once
#include <QCheckBox>
#include <QDialog>

namespace sorvat {
class FrameServices;
}

// "印刷設定": the blind-printing switch shown before every print and print
// preview. It edits blindPrint of the main frame's settings directly, so a
// click takes effect at once, whether the dialog ends with OK or Cancel.
class CPrintSetDlg : public QDialog {
    Q_OBJECT
public:
    // Check box id of the dialog template.
    static constexpr int IDC_BLIND = 1006;

    explicit CPrintSetDlg(sorvat::FrameServices* pMain);

    // Reads blindPrint into the check box; reports a missing frame or box.
    bool OnInitDialog();
    // Toggles blindPrint and shows the new state.
    void OnBlindClicked();

    QCheckBox* m_pBlind = nullptr;  // the check box 1006, once initialised
    sorvat::FrameServices* m_pMain = nullptr;  // not owned

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* m_blindBox = nullptr;  // the template's control
    bool m_bInitialised = false;
};
