#include "view/BoardAccessible.h"

#include "game/GameSession.h"
#include "platform/DrawnItemsAccessible.h"
#include "settings/Settings.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

#include <QCoreApplication>

namespace sorvat {

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("Board", text); }

// The board as a table: rows Y1..Y9, columns X1..X9; the cursor cell is the
// selected cell. Its role is a grouping, not a table: a screen reader (Orca)
// reads the whole row of a table cell on every move up or down, nine cells
// for one key. The table interface keeps every cell reachable by row and
// column.
class BoardAccessible final : public DrawnItemsAccessible, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(CSorvatView* view) : DrawnItemsAccessible(view, *view, QAccessible::Grouping) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return DrawnItemsAccessible::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row > 8 || column < 0 || column > 8) return nullptr;
        return Item(9 * row + column);
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override { return {Item(Items().CurrentDrawnItem())}; }
    QString columnDescription(int column) const override { return QStringLiteral("X%1").arg(column + 1); }
    QString rowDescription(int row) const override { return QStringLiteral("Y%1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("CSorvatView")) return nullptr;
    auto* view = qobject_cast<CSorvatView*>(object);
    return view ? new BoardAccessible(view) : nullptr;
}

QString DigitList(unsigned digits) {
    QStringList list;
    for (int d = 0; d < 9; ++d)
        if (digits & (1u << d)) list << QString::number(d + 1);
    return list.join(QLatin1Char(' '));
}

} // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

QString BoardAccessibleName() { return Translated(QT_TRANSLATE_NOOP("Board", "盤面")); }

QString CellAccessibleName(const GameSession& session, int displayMode, int x, int y) {
    const ShownCell shown = session.Shown(x, y, displayMode);
    const char* text = nullptr;
    QString detail;
    if (shown.entered != NoDigit) {
        detail = QString::number(shown.entered + 1);
        text = shown.locked  ? QT_TRANSLATE_NOOP("Board", "X%1 Y%2 固定 %3")
             : shown.wrong   ? QT_TRANSLATE_NOOP("Board", "X%1 Y%2 確定 %3 間違い")
                             : QT_TRANSLATE_NOOP("Board", "X%1 Y%2 確定 %3");
    } else if (shown.dead) {
        text = QT_TRANSLATE_NOOP("Board", "X%1 Y%2 空き 候補なし");
    } else if (shown.digits != 0) {
        detail = DigitList(shown.digits);
        text = QT_TRANSLATE_NOOP("Board", "X%1 Y%2 空き 候補 %3");
    } else {
        text = QT_TRANSLATE_NOOP("Board", "X%1 Y%2 空き");
    }
    QString name = Translated(text).arg(x + 1).arg(y + 1);
    return detail.isEmpty() ? name : name.arg(detail);
}

} // namespace sorvat

QString CSorvatView::DrawnItemName(int index) const {
    const int mode = g_pSettings ? g_pSettings->displayMode : sorvat::ModeSelf;
    return sorvat::CellAccessibleName(m_session, mode, index % 9, index / 9);
}

QRect CSorvatView::DrawnItemRect(int index) const {
    const int w = m_rcSquare.Width(), h = m_rcSquare.Height();
    return {m_ptOrigin.x() + 3 * w * (index % 9), m_ptOrigin.y() + 3 * h * (index / 9), 3 * w, 3 * h};
}

void CSorvatView::NotifyAccessibleCells() { sorvat::NotifyDrawnItemNames(this, m_accessibleNames); }
