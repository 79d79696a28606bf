// The board as an assistive technology sees it through QAccessible: a table
// of 81 cells named in words, whose focused child is the key cursor, and the
// events that tell a reader what changed.
#include "guisupport/InstalledService.h"
#include "guisupport/WindowFixture.h"

#include "platform/AccessibleEvents.h"
#include "shell/LevelEdit.h"
#include "shell/SpinButton.h"

#include <QAccessible>
#include <QLabel>

namespace sorvat::test {
namespace {

struct SentEvent {
    QAccessible::Event type;
    QObject* object;
    int child;
    bool operator==(const SentEvent&) const = default;
};

// Listens as a screen reader would and records what is sent.
class RecordedAccessibleEvents final : public InstalledService<AccessibleEventService, &SetAccessibleEventService> {
public:
    bool Listening() override { return true; }
    void Send(QAccessibleEvent& event) override { sent.push_back({event.type(), event.object(), event.child()}); }
    bool Has(const SentEvent& event) const { return std::find(sent.begin(), sent.end(), event) != sent.end(); }
    std::vector<SentEvent> sent;
};

class BoardAccessibilityTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        frame->DialogBar()->LevelEdit()->setText(QStringLiteral("0"));  // eliminations only
        board = QAccessible::queryAccessibleInterface(view);
    }
    QString CellName(int x, int y) { return board->child(9 * y + x)->text(QAccessible::Name); }

    QAccessibleInterface* board = nullptr;
};

TEST_F(BoardAccessibilityTest, TheBoardIsATableOf81DistinctCellsNamedInWords) {
    EXPECT_EQ(board->role(), QAccessible::Grouping);  // a reader reads a table cell's whole row at every move
    EXPECT_EQ(board->text(QAccessible::Name), QString::fromUtf8("盤面"));
    ASSERT_EQ(board->childCount(), 81);
    session().EnterFix(8, 0, 1);  // right
    session().EnterFix(7, 0, 3);  // wrong: the answer is 1
    for (int d : {1, 3, 6}) session().TogglePossible(1, 1, d);
    const struct {
        int mode, x, y;
        const char* name;
    } cases[] = {
        {ModeSelf, 0, 0, "X1 Y1 固定 5"},         {ModeSelf, 8, 0, "X9 Y1 確定 2"},
        {ModeSelf, 7, 0, "X8 Y1 確定 4"},         {ModeHint, 7, 0, "X8 Y1 確定 4 間違い"},
        {ModeHint, 8, 0, "X9 Y1 確定 2"},         {ModeSelf, 1, 1, "X2 Y2 空き 候補 2 4 7"},
        {ModeSelf, 2, 1, "X3 Y2 空き"},           {ModeAnalysis, 2, 1, "X3 Y2 空き 候補 2 4 7"},
    };
    for (const auto& c : cases) {
        SetMode(c.mode);
        QAccessibleInterface* cell = board->tableInterface()->cellAt(c.y, c.x);
        EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.mode;
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c.x);
        EXPECT_EQ(board->indexOfChild(cell), 9 * c.y + c.x);
    }
    EXPECT_EQ(board->tableInterface()->columnDescription(2), QStringLiteral("X3"));
    EXPECT_EQ(board->tableInterface()->rowDescription(4), QStringLiteral("Y5"));
    const QRect cell = board->child(9 * 4 + 3)->rect();  // where it is drawn
    EXPECT_EQ(cell.topLeft(), view->mapToGlobal(CellCorner(3, 4)));
    EXPECT_EQ(board->childAt(cell.center().x(), cell.center().y()), board->child(9 * 4 + 3));

    LoadGivens(Contradictory());  // X9 Y1 can take no digit
    EXPECT_EQ(CellName(8, 0), QString::fromUtf8("X9 Y1 空き 候補なし"));
}

TEST_F(BoardAccessibilityTest, TheCursorCellIsTheFocusedChildAndChangesAreSent) {
    RecordedAccessibleEvents events;
    EXPECT_EQ(board->focusChild(), board->child(0));
    SetMode(ModeAnalysis);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(board->focusChild(), board->child(2));
    EXPECT_EQ(board->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{board->child(2)});
    EXPECT_TRUE(board->child(2)->state().focused);
    EXPECT_FALSE(board->child(0)->state().focused);
    EXPECT_TRUE(events.Has({QAccessible::Focus, view, 2}));

    events.sent.clear();
    const QAccessible::Id cursorCell = QAccessible::uniqueId(board->child(2));
    Key(Qt::Key_4);  // the cursor cell, renewed and focused again; the analysis of its column, not others
    EXPECT_TRUE(events.Has({QAccessible::Focus, view, 2}));
    EXPECT_NE(QAccessible::uniqueId(board->child(2)), cursorCell);
    EXPECT_EQ(CellName(2, 0), QString::fromUtf8("X3 Y1 確定 4"));
    EXPECT_EQ(CellName(2, 1), QString::fromUtf8("X3 Y2 空き 候補 2 7"));
    EXPECT_TRUE(events.Has({QAccessible::NameChanged, view, 9 + 2}));
    EXPECT_FALSE(events.Has({QAccessible::NameChanged, view, 9 * 8 + 8}));
    // The dialog bar's counter of the digit 4 follows; the counters come after its controls.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->DialogBar());
    const int counterOf4 = bar->childCount() - 10 + 4;
    EXPECT_TRUE(events.Has({QAccessible::NameChanged, frame->DialogBar(), counterOf4}));
    EXPECT_EQ(bar->child(counterOf4)->text(QAccessible::Name), QString::fromUtf8("数字 4 は 3 個"));

    Key(Qt::Key_A);  // the status pane, a notification, is shown again with the explanation in words
    auto* pane = frame->findChild<QLabel*>(QStringLiteral("messagePane"));
    QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(pane);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    EXPECT_TRUE(events.Has({QAccessible::ObjectShow, pane, -1}));
    EXPECT_EQ(notification->text(QAccessible::Name),
              QString::fromUtf8("レベル 1 までの解析で X6 Y1 は 8 に確定します "
                                "中上のブロックで数字 8 が入る可能性のあるマスは X6 Y1 しかありません"));

    // The level's spin box has a value, and a step is told.
    CSpinButton* spin = frame->DialogBar()->Spin();
    spin->Step(1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(spin)->valueInterface()->currentValue(), 1);
    EXPECT_TRUE(events.Has({QAccessible::ValueChanged, spin, -1}));

    // The mode buttons are radio buttons that a reader can press.
    QAccessibleInterface* hint = QAccessible::queryAccessibleInterface(frame->DialogBar()->Control(IDC_MODE_HINT));
    EXPECT_EQ(hint->role(), QAccessible::RadioButton);
    hint->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(hint->state().checked);
    frame->DialogBar()->LevelEdit()->setFocus();
    EXPECT_FALSE(board->child(2)->state().focused);
    events.sent.clear();
    view->setFocus();  // the reader lands on the cursor cell
    ProcessEvents();
    EXPECT_TRUE(events.Has({QAccessible::Focus, view, 2}));
}

} // namespace
} // namespace sorvat::test
