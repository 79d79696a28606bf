#include "commands/NewPuzzleDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QAbstractItemView>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>

using namespace sorvat;

namespace {

// The per-user store of the recent files, a group of its own.
QSettings ChoiceStore() { return QSettings(QStringLiteral("sorvat"), QStringLiteral("Sorvat")); }
const QString LevelKey = QStringLiteral("NewPuzzle/level");
const QString SymmetryKey = QStringLiteral("NewPuzzle/symmetry");
const QString CountKey = QStringLiteral("NewPuzzle/count");

// A text as a voice should read it: without the signs it would read out
// ("—", brackets) and the label's mnemonic "(&L)".
QString Spoken(QString text) {
    static const QRegularExpression signs(QStringLiteral("\\(&.\\)|&|[—()]"));
    return text.replace(signs, QStringLiteral(" ")).simplified();
}

// Up and Down on a closed choice open its list: Orca 43 reads neither the
// name nor the selection of a closed combo box, so a change there would go
// unheard, while the list's items are read one by one.
class ListOpener final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QComboBox*>(watched);
        if (box == nullptr || event->type() != QEvent::KeyPress || box->view()->isVisible()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) || key->modifiers() != Qt::NoModifier)
            return false;
        box->showPopup();
        return true;
    }
};

// A choice that a screen reader hears: its items named without signs, the
// current one as the box's description (Orca reads it with the box), its
// list opened by Up and Down.
void SpeakChoices(QComboBox* box) {
    for (int i = 0; i < box->count(); ++i)
        box->setItemData(i, Spoken(box->itemText(i)), Qt::AccessibleTextRole);
    box->installEventFilter(new ListOpener(box));
    auto describe = [box] { box->setAccessibleDescription(Spoken(box->currentText())); };
    QObject::connect(box, &QComboBox::currentIndexChanged, box, describe);
    describe();
}

} // namespace

QString CNewPuzzleDlg::LevelName(int level) {
    switch (level) {
    case 0: return tr("0 — 候補を消すだけ (いちばんやさしい)");
    case 1: return tr("1 — 隠れたシングル (やさしい)");
    case 2: return tr("2 — 裸のシングルも (やさしい)");
    case 3: return tr("3 — ポインティングも (ふつう)");
    case 4: return tr("4 — クレーミングも (ふつう)");
    case 5: return tr("5 — 隠れたペアとトリプルも (むずかしい)");
    case 6: return tr("6 — 組になったトリプルも (むずかしい)");
    case 8: return tr("8 — 仮定を使う (とてもむずかしい)");
    default: return QString::number(level);
    }
}

CNewPuzzleDlg::CNewPuzzleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("新しい問題"));
    m_pLevel = new QComboBox(this);
    for (int level = 0; level <= 9; ++level)
        if (IsGradeLevel(level)) m_pLevel->addItem(LevelName(level), level);
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

    const QSettings store = ChoiceStore();
    const int level = m_pLevel->findData(store.value(LevelKey, 0).toInt());
    const int symmetry = m_pSymmetry->findData(store.value(SymmetryKey, 0).toInt());
    m_pLevel->setCurrentIndex(level < 0 ? 0 : level);
    m_pSymmetry->setCurrentIndex(symmetry < 0 ? 0 : symmetry);
    m_pCount->setValue(store.value(CountKey, 1).toInt());

    SpeakChoices(m_pLevel);
    SpeakChoices(m_pSymmetry);
    for (QWidget* field : {static_cast<QWidget*>(m_pLevel), static_cast<QWidget*>(m_pSymmetry),
                           static_cast<QWidget*>(m_pCount)})
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) {
            label->setAccessibleName(Spoken(label->text()));
            field->setAccessibleName(label->accessibleName());
        }
}

void CNewPuzzleDlg::accept() {
    QSettings store = ChoiceStore();
    store.setValue(LevelKey, m_pLevel->currentData());
    store.setValue(SymmetryKey, m_pSymmetry->currentData());
    store.setValue(CountKey, m_pCount->value());
    QDialog::accept();
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
