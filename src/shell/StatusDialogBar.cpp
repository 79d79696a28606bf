#include "shell/StatusDialogBar.h"

#include "shell/CommandIds.h"
#include "shell/DialogBarAccessible.h"
#include "shell/LevelEdit.h"
#include "shell/ModeButtons.h"
#include "shell/SpinButton.h"
#include "view/BoardPainter.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <vector>

using namespace sorvat;

namespace {

// Dialog template 128: 352 x 32 dialog units in the gothic face, 9 points.
constexpr int TemplateWidth = 352;
constexpr int TemplateHeight = 32;
constexpr int TotalX = 110;
constexpr int CounterY = 2;

const QColor CounterBlue{0, 0, 255};

// Dialog units to pixels for a dialog font: a horizontal unit is a quarter of
// the average width of the Latin letters, a vertical unit an eighth of the
// font's height.
class TemplateUnits {
public:
    explicit TemplateUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
        baseY = metrics.height();
    }
    QRect Rect(int x, int y, int width, int height) const {
        return {X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y)};
    }
    int X(int units) const { return units * baseX / 4; }
    int Y(int units) const { return units * baseY / 8; }

private:
    int baseX;
    int baseY;
};

QFont DialogTemplateFont() {
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);  // 9 points at 96 dots per inch
    return font;
}

// A translated mode label can be longer than its template place. Then the
// buttons (left to right) are set side by side at their natural widths from
// the first one's left edge, when they fit inside the group; otherwise, and
// whenever every text fits, the template places stay.
void FitModeButtons(const QRect& group, const std::vector<QWidget*>& buttons) {
    const bool allFit = std::all_of(buttons.begin(), buttons.end(),
                                    [](const QWidget* b) { return b->sizeHint().width() <= b->width(); });
    if (allFit || buttons.empty()) return;
    constexpr int Gap = 3;
    int needed = -Gap;
    for (const QWidget* b : buttons) needed += b->sizeHint().width() + Gap;
    int x = buttons.front()->x();
    if (x + needed > group.right() - Gap) return;
    for (QWidget* b : buttons) {
        b->setGeometry(x, b->y(), b->sizeHint().width(), b->height());
        x += b->width() + Gap;
    }
}

} // namespace

CStatusDialogBar::CStatusDialogBar(QWidget* parent)
    : QWidget(parent), m_fontCount(BoardFont(21, 10)) {
    InstallDialogBarAccessibility();
    m_fontCount.setWeight(QFont::ExtraBold);
    setObjectName(QStringLiteral("dialogBar"));
    setAccessibleName(tr("操作と入力数"));
    CreateControls();
}

void CStatusDialogBar::CreateControls() {
    const QFont font = DialogTemplateFont();
    setFont(font);
    const TemplateUnits units(font);
    m_templateSize = QSize(units.X(TemplateWidth), units.Y(TemplateHeight));

    auto place = [&](QWidget* control, int id, int x, int y, int width, int height) {
        control->setGeometry(units.Rect(x, y, width, height));
        control->setProperty("controlId", id);
        control->setObjectName(QStringLiteral("control%1").arg(id));
    };
    // `spoken` names a button whose label a voice would read as signs and
    // letters; the other names are their labels.
    auto button = [&](int id, const char* text, int x, int y, const char* spoken = nullptr) {
        auto* b = new QPushButton(tr(text), this);
        if (spoken != nullptr) b->setAccessibleName(tr(spoken));
        place(b, id, x, y, id == ID_EDIT_NEXT_MOVE ? 41 : 26, 14);
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, id] { Send(id); });
    };
    button(ID_EDIT_UNDO_MOVE, "<Undo", 0, 2, QT_TR_NOOP("元に戻す"));
    button(ID_EDIT_REDO_MOVE, "Redo>", 27, 2, QT_TR_NOOP("やり直し"));
    button(ID_EDIT_QUICKSAVE, "QSave", 0, 17, QT_TR_NOOP("クイック保存"));
    button(ID_EDIT_QUICKLOAD, "QLoad", 27, 17, QT_TR_NOOP("クイック読み込み"));
    button(ID_EDIT_RESET, "Reset", 56, 17, QT_TR_NOOP("リセット"));

    auto* repeat = new CManualCheckBox(tr("再起"), this);
    place(repeat, IDC_REPEAT, 248, 20, 31, 10);
    repeat->setFocusPolicy(Qt::TabFocus);
    connect(repeat, &QAbstractButton::clicked, this, [this] { Send(IDC_REPEAT); });

    auto* label = new QLabel(tr("解析ﾚﾍﾞﾙ"), this);
    place(label, 0, 284, 20, 34, 8);
    label->setObjectName(QStringLiteral("levelLabel"));

    m_pLevelEdit = new CLevelEdit(this);
    place(m_pLevelEdit, IDC_LEVEL_EDIT, 319, 17, 18, 14);
    m_pLevelEdit->setFocusPolicy(Qt::ClickFocus);
    m_pLevelEdit->setAccessibleName(tr("解析ﾚﾍﾞﾙ").normalized(QString::NormalizationForm_KC));
    connect(m_pLevelEdit, &QLineEdit::textChanged, this, [this] { Send(IDC_LEVEL_EDIT); });

    // The up-down control sits on the right edge of its buddy.
    m_pSpin = new CSpinButton(this);
    const QRect editRect = m_pLevelEdit->geometry();
    const int spinWidth = units.X(8);
    m_pSpin->setGeometry(editRect.right() + 1 - spinWidth, editRect.top(), spinWidth,
                         editRect.height());
    m_pLevelEdit->setGeometry(editRect.adjusted(0, 0, -spinWidth, 0));
    m_pSpin->setProperty("controlId", IDC_LEVEL_SPIN);
    m_pSpin->setObjectName(QStringLiteral("control%1").arg(IDC_LEVEL_SPIN));
    m_pSpin->SetBuddy(m_pLevelEdit);
    m_pSpin->setAccessibleName(m_pLevelEdit->accessibleName());

    auto* group = new QGroupBox(this);
    place(group, 0, 145, 13, 93, 18);
    group->setObjectName(QStringLiteral("modeGroup"));
    group->lower();
    auto radio = [&](int id, const char* text, int x, int width) {
        auto* r = new CManualRadioButton(tr(text), this);
        place(r, id, x, 20, width, 10);
        r->setFocusPolicy(Qt::TabFocus);  // a tab stop, so the modes can be chosen by key
        connect(r, &QAbstractButton::clicked, this, [this, id] { Send(id); });
    };
    radio(IDC_MODE_ANALYSIS, QT_TR_NOOP("解析"), 205, 28);
    radio(IDC_MODE_HINT, QT_TR_NOOP("ﾋﾝﾄ"), 179, 23);
    radio(IDC_MODE_SELF, QT_TR_NOOP("自力"), 149, 28);

    button(ID_EDIT_NEXT_MOVE, QT_TR_NOOP("次の一手"), 96, 17);
    // Indicators of the size the dialog manager draws, so the texts fit
    // their template widths.
    for (QAbstractButton* box : findChildren<QAbstractButton*>()) {
        if (qobject_cast<QRadioButton*>(box) || qobject_cast<QCheckBox*>(box))
            box->setStyleSheet(QStringLiteral(
                "QAbstractButton { spacing: 2px; }"
                "QAbstractButton::indicator { width: 12px; height: 12px; }"));
    }
    FitModeButtons(group->geometry(), {Control(IDC_MODE_SELF), Control(IDC_MODE_HINT), Control(IDC_MODE_ANALYSIS)});
    setFixedSize(m_templateSize);

    // Tab goes left to right, as the controls stand.
    const int tabOrder[] = {ID_EDIT_UNDO_MOVE, ID_EDIT_REDO_MOVE, ID_EDIT_QUICKSAVE, ID_EDIT_QUICKLOAD,
                            ID_EDIT_RESET, ID_EDIT_NEXT_MOVE, IDC_MODE_SELF, IDC_MODE_HINT,
                            IDC_MODE_ANALYSIS, IDC_REPEAT, IDC_LEVEL_SPIN};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(Control(tabOrder[i - 1]), Control(tabOrder[i]));

    // Every control, the spin's arrows included, gives the keys back to the
    // board (SetFocusHome).
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool CStatusDialogBar::eventFilter(QObject* watched, QEvent* event) {
    if (m_pFocusHome == nullptr)
        return QWidget::eventFilter(watched, event);
    // A click takes no focus (the controls are tab stops only) and gives it
    // back when Tab had put it into the bar; the level edit keeps the focus a
    // click gives it, so Up and Down step the level.
    if (event->type() == QEvent::MouseButtonPress && watched != m_pLevelEdit)
        m_pFocusHome->setFocus(Qt::MouseFocusReason);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_pFocusHome->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* CStatusDialogBar::FirstTabStop() const { return Control(ID_EDIT_UNDO_MOVE); }

QString CStatusDialogBar::DrawnItemName(int index) const {
    // At least three words each: a screen reader (Orca) leaves shorter texts
    // out when it reads the bar.
    if (index == 0)
        return (m_nStatus == 1 ? tr("入力済み %1 マス 正解") : tr("入力済み %1 マス")).arg(m_nEntered);
    const int d = index - 1;
    return (m_nDigitStatus[d] == 1 ? tr("数字 %1 は %2 個 完成") : tr("数字 %1 は %2 個"))
        .arg(d + 1)
        .arg(m_nDigitCount[d]);
}

QRect CStatusDialogBar::DrawnItemRect(int index) const {
    const QFontMetrics metrics(m_fontCount);
    if (index == 0)
        return {TotalX, CounterY, metrics.horizontalAdvance(QString::number(m_nEntered)), metrics.height()};
    return {CounterX(index - 1) - 5, CounterY, 41, 19};
}

QSize CStatusDialogBar::sizeHint() const { return m_templateSize; }

QWidget* CStatusDialogBar::Control(int id) const {
    return findChild<QWidget*>(QStringLiteral("control%1").arg(id));
}

QAbstractButton* CStatusDialogBar::Button(int id) const {
    return qobject_cast<QAbstractButton*>(Control(id));
}

void CStatusDialogBar::Send(int id) {
    if (m_commandHandler)
        m_commandHandler(id);
}

void CStatusDialogBar::SetModeChecks(int displayMode, bool repeat) {
    QAbstractButton* self = Button(IDC_MODE_SELF);
    QAbstractButton* hint = Button(IDC_MODE_HINT);
    QAbstractButton* analysis = Button(IDC_MODE_ANALYSIS);
    QAbstractButton* repeatBox = Button(IDC_REPEAT);
    if (!self || !hint || !analysis || !repeatBox)
        return;
    if (displayMode >= ModeSelf && displayMode <= ModeAnalysis) {
        self->setChecked(displayMode == ModeSelf);
        hint->setChecked(displayMode == ModeHint);
        analysis->setChecked(displayMode == ModeAnalysis);
    }
    repeatBox->setChecked(repeat);
}

void CStatusDialogBar::UpdateStatus(const CellBoard& board, const CellBoard& solution) {
    m_pBoard = &board;
    m_pSolutionBoard = &solution;
    m_nEntered = board.enteredCount;
    for (int d = 0; d < 9; ++d)
        m_nDigitCount[d] = board.enteredByDigit[d];
    m_nStatus = 0;
    std::fill(std::begin(m_nDigitStatus), std::end(m_nDigitStatus), 0);

    bool allWrong = false;
    for (int y = 0; y < 9 && !allWrong; ++y) {
        for (int x = 0; x < 9 && !allWrong; ++x) {
            const int e = board.Cell(x, y).enteredDigit;
            const int s = solution.Cell(x, y).solvedDigit;
            if (s > 8)
                m_nStatus = 2;
            if (e >= 0 && e <= 8 && e != s) {
                m_nDigitStatus[e] = 2;
                m_nStatus = 2;
                allWrong = std::all_of(std::begin(m_nDigitStatus), std::end(m_nDigitStatus),
                                       [](int status) { return status == 2; });
            }
        }
    }
    if (m_nStatus == 0 && board.enteredCount == 81)
        m_nStatus = 1;
    for (int d = 0; d < 9; ++d) {
        if (m_nDigitStatus[d] == 0 && m_nDigitCount[d] == 9)
            m_nDigitStatus[d] = 1;
    }
    update();
    NotifyDrawnItemNames(this, m_accessibleNames);
}

QString CStatusDialogBar::DigitText(int d) const {
    const int n = m_nDigitCount[d] > 9 ? 10 : m_nDigitCount[d];
    return QStringLiteral("%1:%2").arg(d + 1).arg(QString::number(n, 16).toUpper());
}

void CStatusDialogBar::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setFont(m_fontCount);
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(m_fontCount);
    auto text = [&](int x, const QString& s, bool blue) {
        painter.setPen(blue ? CounterBlue : colors::Black);
        painter.drawText(QPoint(x, CounterY + metrics.ascent()), s);
    };
    text(TotalX, QString::number(m_nEntered), m_nStatus == 1);
    for (int d = 0; d < 9; ++d) {
        const int x = CounterX(d);
        text(x, DigitText(d), m_nDigitStatus[d] == 1);
        painter.setPen(QPen(colors::Black, 0));
        // Frame from (x - 5, 2) to (x + 37, 22), right and bottom exclusive.
        painter.drawRect(QRect(x - 5, CounterY, 41, 19));
    }
}
