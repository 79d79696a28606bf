#include "commands/NewPuzzleDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

using namespace sorvat;

CNewPuzzleDlg::CNewPuzzleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("新しい問題"));
    m_pLevel = new QComboBox(this);
    for (int level = 0; level <= 9; ++level)
        if (IsGradeLevel(level)) m_pLevel->addItem(QString::number(level), level);
    m_pSymmetry = new QComboBox(this);
    m_pSymmetry->addItem(tr("なし"), static_cast<int>(Symmetry::None));
    m_pSymmetry->addItem(tr("点対称"), static_cast<int>(Symmetry::Rotational));
    m_pSymmetry->addItem(tr("対角線対称"), static_cast<int>(Symmetry::Diagonal));
    m_pCount = new QSpinBox(this);
    m_pCount->setRange(1, 1000);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("解析レベル(&L)"), m_pLevel);
    form->addRow(tr("対称性(&S)"), m_pSymmetry);
    form->addRow(tr("問題数(&N)"), m_pCount);
    form->addRow(buttons);
}

GeneratorSettings CNewPuzzleDlg::Settings() const {
    GeneratorSettings settings;
    settings.level = m_pLevel->currentData().toInt();
    settings.symmetry = static_cast<Symmetry>(m_pSymmetry->currentData().toInt());
    return settings;
}

int CNewPuzzleDlg::Count() const {
    return m_pCount->value();
}
