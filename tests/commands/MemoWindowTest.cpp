#include "guisupport/WindowFixture.h"

#include "commands/MemoWindow.h"
#include "text/Cp932.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>

using namespace sorvat;
using namespace sorvat::test;

namespace {

using MemoOfLoadedFile = CommandFixture;

MemoWindow& Memo(CSorvatView& view) { return dynamic_cast<MemoWindow&>(view.GetMemoHandoff()); }

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// A memo published before the start (by the file of the command line) shows
// once the window has started.
TEST(MemoWindowTest, ShowsEachMemoOnceAsPlainTextInAnOwnerlessBox) {
    MemoWindow memo;
    const std::string text = Utf8ToCp932("<b>太字</b>ではない\r\n二行目");
    memo.Publish(text.c_str());
    Settle();
    EXPECT_FALSE(memo.IsShowing());
    memo.Start();
    Settle();
    ASSERT_TRUE(memo.IsShowing());
    QMessageBox* box = memo.Box();
    EXPECT_EQ(box->windowTitle(), "Sorvat_QMessage");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QString::fromUtf8("<b>太字</b>ではない\n二行目"));
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_TRUE(box->isVisible());

    // OK closes it; the memo does not come back, and an empty memo shows nothing.
    box->button(QMessageBox::Ok)->click();
    Settle();
    EXPECT_FALSE(memo.IsShowing());
    memo.ShowPending();
    EXPECT_FALSE(memo.IsShowing());
    memo.Publish("");
    Settle();
    EXPECT_FALSE(memo.IsShowing());
}

TEST_F(MemoOfLoadedFile, LoadingTheNextFileClosesTheBoxOfThePreviousOne) {
    view->LoadFile(WritePuzzle("a.md2", Givens(), Utf8ToCp932("メモA\r\n")).string());
    Settle();
    QPointer<QMessageBox> first = Memo(*view).Box();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first->text(), QString::fromUtf8("メモA\n"));

    view->LoadFile(WritePuzzle("b.md2", Givens(), "Note B\r\n").string());
    // The first box is gone before the second memo is shown.
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    EXPECT_FALSE(Memo(*view).IsShowing());
    Settle();
    ASSERT_TRUE(Memo(*view).IsShowing());
    EXPECT_EQ(Memo(*view).Box()->text(), "Note B\n");

    // A file without a memo closes the box and shows none.
    view->LoadFile(WritePuzzle("c.md2").string());
    Settle();
    EXPECT_FALSE(Memo(*view).IsShowing());
    EXPECT_TRUE(Boxes().empty());  // memos never go through the modal boxes
}

TEST_F(MemoOfLoadedFile, ExitClosesTheBox) {
    view->LoadFile(WritePuzzle("a.md2", Givens(), "Note\r\n").string());
    Settle();
    QPointer<QMessageBox> box = Memo(*view).Box();
    ASSERT_FALSE(box.isNull());
    view->OnDestroy();
    Settle();
    EXPECT_TRUE(box.isNull());
}
