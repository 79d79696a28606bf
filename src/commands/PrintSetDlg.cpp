#include "commands/PrintSetDlg.h"

#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "view/FrameServices.h"

#include <QPushButton>

namespace {

// A check box that changes its state only when told: the click handler
// decides what it shows.
class ManualCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

} // namespace

CPrintSetDlg::CPrintSetDlg(sorvat::FrameServices* pMain)
    : QDialog(pMain != nullptr ? pMain->Window() : nullptr), m_pMain(pMain) {
    setWindowTitle(tr("印刷設定"));
    setFont(DialogFont(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), 12));
    const DialogUnits du(font());
    setFixedSize(du.Size(80, 29));

    m_blindBox = new ManualCheckBox(tr("ブラインド印刷"), this);
    m_blindBox->setObjectName(QStringLiteral("blind"));
    m_blindBox->setGeometry(du.Rect(2, 2, 76, 10));
    connect(m_blindBox, &QCheckBox::clicked, this, &CPrintSetDlg::OnBlindClicked);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(du.Rect(47, 13, 31, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CPrintSetDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialised) OnInitDialog();
    QDialog::showEvent(event);
}

bool CPrintSetDlg::OnInitDialog() {
    m_bInitialised = true;
    m_pBlind = m_blindBox;
    const QString fatal = QStringLiteral("Fatal");
    if (m_pMain == nullptr) {
        sorvat::ShowMessageBox(this, QStringLiteral("PrintSet Error : m_pMain = NULL"), fatal,
                               sorvat::MessageButtons::Ok, sorvat::MessageIcon::Error);
    } else if (m_pBlind != nullptr) {
        m_pBlind->setChecked(m_pMain->SettingsRecord().blindPrint != 0);
    } else {
        sorvat::ShowMessageBox(this, QStringLiteral("PrintSet Error : m_pBlind = NULL"), fatal,
                               sorvat::MessageButtons::Ok, sorvat::MessageIcon::Error);
    }
    return true;
}

void CPrintSetDlg::OnBlindClicked() {
    if (m_pMain == nullptr || m_pBlind == nullptr) return;
    auto& blind = m_pMain->SettingsRecord().blindPrint;
    blind = blind == 0 ? 1 : 0;
    m_pBlind->setChecked(blind != 0);
}
