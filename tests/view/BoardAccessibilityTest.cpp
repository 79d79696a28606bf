// The board and the dialog bar as an assistive technology sees them through
// QAccessible: a table of 81 named cells whose focused child is the key
// cursor, the counters and controls by name, and the events that tell a
// reader what changed.
#include "guisupport/InstalledService.h"
#include "guisupport/WindowFixture.h"

#include "platform/AccessibleEvents.h"
#include "shell/CommandIds.h"
#include "shell/LevelEdit.h"

#include <QAccessible>
#include <QLabel>
#include <QToolBar>

#include <set>

namespace sorvat::test {
namespace {

struct SentEvent {
    QAccessible::Event type;
    QObject* object;
    int child;
    bool operator==(const SentEvent&) const = default;
};

// Listens as a screen reader would and records what is sent.
class RecordedAccessibleEvents final
    : public InstalledService<AccessibleEventService, &SetAccessibleEventService> {
public:
    bool Listening() override { return true; }
    void Send(QAccessibleEvent& event) override { sent.push_back({event.type(), event.object(), event.child()}); }
    bool Has(const SentEvent& event) const { return std::find(sent.begin(), sent.end(), event) != sent.end(); }
    std::vector<SentEvent> sent;
};

class BoardAccessibilityTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Start();
        LoadGivens();
        frame->DialogBar()->LevelEdit()->setText(QStringLiteral("0"));  // eliminations only
        ProcessEvents();
        board = QAccessible::queryAccessibleInterface(view);
        ASSERT_NE(board, nullptr);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(frame->windowHandle(), key, modifiers);
        ProcessEvents();
    }
    QString CellName(int x, int y) { return board->child(9 * y + x)->text(QAccessible::Name); }
    // The names of the children of `parent` with `role`.
    static QStringList Names(QAccessibleInterface* parent, QAccessible::Role role) {
        QStringList names;
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->role() == role) names << parent->child(i)->text(QAccessible::Name);
        return names;
    }

    QAccessibleInterface* board = nullptr;
};

TEST_F(BoardAccessibilityTest, TheBoardIsATableOf81DistinctCellsNamedInWords) {
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->text(QAccessible::Name), QString::fromUtf8("盤面"));
    ASSERT_NE(board->tableInterface(), nullptr);
    EXPECT_EQ(board->tableInterface()->rowCount(), 9);
    EXPECT_EQ(board->tableInterface()->columnCount(), 9);
    ASSERT_EQ(board->childCount(), 81);

    view->m_moves.Add(Entry(8, 0, 1, Fix));  // right
    view->m_moves.Add(Entry(7, 0, 3, Fix));  // wrong: the answer is 1
    for (int d : {1, 3, 6}) view->m_moves.Add(Entry(1, 1, d, Possible));
    view->ReplayMoves();
    const struct {
        int mode, x, y;
        const char* name;
    } cases[] = {
        {ModeSelf, 0, 0, "X1 Y1: Lock 5"},
        {ModeSelf, 8, 0, "X9 Y1: 2、Fix"},
        {ModeSelf, 7, 0, "X8 Y1: 4、Fix"},
        {ModeHint, 7, 0, "X8 Y1: 4、Fix、間違い"},
        {ModeHint, 8, 0, "X9 Y1: 2、Fix"},
        {ModeSelf, 1, 1, "X2 Y2: 空き、候補 2 4 7"},
        {ModeSelf, 2, 1, "X3 Y2: 空き"},
        {ModeAnalysis, 2, 1, "X3 Y2: 空き、候補 2 4 7"},
    };
    for (const auto& c : cases) {
        SetMode(c.mode);
        EXPECT_EQ(CellName(c.x, c.y), QString::fromUtf8(c.name)) << c.mode << " " << c.x << "," << c.y;
        QAccessibleInterface* cell = board->tableInterface()->cellAt(c.y, c.x);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c.x);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.y);
        EXPECT_EQ(cell->parent(), board);
        EXPECT_EQ(board->indexOfChild(cell), 9 * c.y + c.x);
    }
    std::set<QString> names;
    for (int i = 0; i < 81; ++i) names.insert(board->child(i)->text(QAccessible::Name));
    EXPECT_EQ(names.size(), 81u);
    // A cell's place on the screen is its drawn square.
    const QRect cell = board->child(9 * 4 + 3)->rect();
    EXPECT_EQ(cell.topLeft(), view->mapToGlobal(CellCorner(3, 4)));
    EXPECT_EQ(board->childAt(cell.center().x(), cell.center().y()), board->child(9 * 4 + 3));
}

TEST_F(BoardAccessibilityTest, TheCursorCellIsTheFocusedChildAndKeysAndEntriesAreAnnounced) {
    RecordedAccessibleEvents events;
    ASSERT_TRUE(view->hasFocus());
    EXPECT_EQ(board->focusChild(), board->child(0));
    EXPECT_TRUE(board->child(0)->state().focused);

    SetMode(ModeAnalysis);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(board->focusChild(), board->child(2));
    EXPECT_TRUE(board->child(2)->state().focused);
    EXPECT_FALSE(board->child(0)->state().focused);
    EXPECT_TRUE(events.Has({QAccessible::Focus, view, 2}));

    events.sent.clear();
    Key(Qt::Key_4);  // the cell itself, and the analysis of its column
    EXPECT_TRUE(events.Has({QAccessible::NameChanged, view, 2}));
    EXPECT_EQ(CellName(2, 1), QString::fromUtf8("X3 Y2: 空き、候補 2 7"));
    EXPECT_TRUE(events.Has({QAccessible::NameChanged, view, 9 + 2}));
    EXPECT_FALSE(events.Has({QAccessible::NameChanged, view, 9 * 8 + 8}));
    // The dialog bar's counter of the digit 4 follows.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->DialogBar());
    const int counterOf4 = bar->childCount() - 10 + 4;
    EXPECT_TRUE(events.Has({QAccessible::NameChanged, frame->DialogBar(), counterOf4}));
    EXPECT_EQ(bar->child(counterOf4)->text(QAccessible::Name), QString::fromUtf8("数字 4: 3 個"));

    // Key A: the explanation is the status pane's name (the label reports
    // its changes itself).
    Key(Qt::Key_A);
    auto* pane = frame->findChild<QLabel*>(QStringLiteral("messagePane"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Name), frame->StatusText());
    EXPECT_TRUE(frame->StatusText().contains(QStringLiteral("X")));

    frame->DialogBar()->LevelEdit()->setFocus();
    ProcessEvents();
    EXPECT_FALSE(board->child(2)->state().focused);
}

TEST_F(BoardAccessibilityTest, CountersAndControlsHaveNames) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->DialogBar());
    const QStringList counters = Names(bar, QAccessible::StaticText);
    EXPECT_TRUE(counters.contains(QString::fromUtf8("入力済み: 30")));
    EXPECT_TRUE(counters.contains(QString::fromUtf8("数字 5: 3 個")));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frame->DialogBar()->LevelEdit())->text(QAccessible::Name),
              QString::fromUtf8("解析ﾚﾍﾞﾙ"));
    const QStringList radios = Names(bar, QAccessible::RadioButton);
    EXPECT_EQ(radios, (QStringList{"解析", "ﾋﾝﾄ", "自力"}));
    QAccessibleInterface* hint = QAccessible::queryAccessibleInterface(frame->DialogBar()->Control(IDC_MODE_HINT));
    hint->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(g_pSettings->displayMode, ModeHint);
    EXPECT_TRUE(hint->state().checked);
    QAccessibleInterface* toolBar = QAccessible::queryAccessibleInterface(frame->ToolBar());
    QStringList tools = Names(toolBar, QAccessible::PushButton) + Names(toolBar, QAccessible::Button);
    EXPECT_TRUE(tools.contains(QString::fromUtf8("開く")) && tools.contains(QString::fromUtf8("印刷"))) << tools.join(u',').toStdString();
}

} // namespace
} // namespace sorvat::test
