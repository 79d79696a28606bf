#include "CommandFixture.h"

#include "commands/CommandTexts.h"

#include <QDir>
#include <QTest>

using namespace sorvat;
using namespace sorvat::testing;
namespace fs = std::filesystem;

namespace {

class AnswerCheck : public CommandFixture {
protected:
    // A puzzle directory beside the fixture's files, so the quick and
    // continue files of the current directory stay out of the queue.
    void SetUp() override {
        CommandFixture::SetUp();
        puzzles = dir / "puzzles";
        fs::create_directories(puzzles);
    }

    fs::path Puzzle(const std::string& name) { return WritePuzzle(name, Givens(), {}, puzzles); }

    void PlayInQueue(const std::string& name) {
        view->LoadFile(Puzzle(name).string());
        AddAnswers(view->m_moves, EasyPuzzle, EasySolution);
        view->m_board.Analyze();
    }

    QString Pattern() const { return QString::fromStdString((puzzles / "*").string()); }

    fs::path puzzles;
};

} // namespace

TEST_F(AnswerCheck, CorrectBoardWithNoKeepsEverything) {
    PlayInQueue("q1.md2");
    Puzzle("q2.md2");
    boxes.Answer(MessageResult::No);
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("正解です"));
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8(texts::CorrectText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Boxes()[0].owner, view);
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(view->m_board.enteredCount, 81);
}

TEST_F(AnswerCheck, CorrectBoardWithYesMarksTheFileAndLoadsTheNextOne) {
    // Passed over: the directory entry, a sub-directory, hidden and finished
    // files. A capital "X." is not the mark.
    fs::create_directories(puzzles / "a-sub");
    WritePuzzle(".hidden", Givens(), {}, puzzles);
    WritePuzzle("x.done.md2", Givens(), {}, puzzles);
    PlayInQueue("q1.md2");
    EntryList other;
    AddGrid(other, EasySolution, Lock);
    WritePuzzle("X.upper.md1", other, {}, puzzles);
    Puzzle("q2.md2");

    view->CheckAnswer();
    EXPECT_FALSE(fs::exists(puzzles / "q1.md2"));
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
    EXPECT_EQ(CurrentPath(), (puzzles / "X.upper.md1").string());
    EXPECT_EQ(view->m_moves.Count(), 81);
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(AnswerCheck, LastPuzzleOfTheDirectoryEndsWithAllFinished) {
    PlayInQueue("q1.md2");
    WritePuzzle("x.q0.md2", Givens(), {}, puzzles);
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 2u);
    const MessageBoxRequest& done = Boxes()[1];
    EXPECT_EQ(done.title, QString::fromUtf8("全問終了"));
    EXPECT_EQ(done.text, QString::fromUtf8(texts::AllFinishedText).replace("%s", Pattern()));
    EXPECT_EQ(done.buttons, MessageButtons::Ok);
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
    // The board keeps the solved puzzle.
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(view->m_board.enteredCount, 81);
}

TEST_F(AnswerCheck, WrongBoardIsReportedWithoutAnOffer) {
    view->LoadFile(Puzzle("q1.md2").string());
    std::string wrong(EasySolution);
    std::swap(wrong[2], wrong[3]);
    AddAnswers(view->m_moves, EasyPuzzle, wrong);
    view->m_board.Analyze();
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("残念。間違いです。"));
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8(texts::WrongText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
    EXPECT_EQ(view->m_moves.Count(), count);
}

TEST_F(AnswerCheck, GivensEnteredAsFixAreJudgedByTheBoardAlone) {
    EntryList fixes;
    AddGrid(fixes, EasySolution, Fix);
    view->LoadFile(WritePuzzle("f1.md1", fixes, {}, puzzles).string());
    WritePuzzle("f2.md1", fixes, {}, puzzles);
    view->CheckAnswer();
    ASSERT_GE(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8(texts::UnsolvedConsistentTitle));
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8(texts::UnsolvedConsistentText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(fs::exists(puzzles / "x.f1.md1"));
    EXPECT_EQ(CurrentPath(), (puzzles / "f2.md1").string());

    std::string broken(EasySolution);
    std::swap(broken[2], broken[3]);
    EntryList wrongFixes;
    AddGrid(wrongFixes, broken, Fix);
    view->LoadFile(WritePuzzle("f3.md1", wrongFixes, {}, puzzles).string());
    view->CheckAnswer();
    const MessageBoxRequest& last = Boxes().back();
    EXPECT_EQ(last.title, QString::fromUtf8("残念。矛盾があります。"));
    EXPECT_EQ(last.text, QString::fromUtf8(texts::UnsolvedContradictionText));
    EXPECT_EQ(last.buttons, MessageButtons::Ok);
    EXPECT_EQ(last.icon, MessageIcon::Warning);
    EXPECT_TRUE(fs::exists(puzzles / "f3.md1"));
}

TEST_F(AnswerCheck, NextProblemStopsWithoutAUsablePath) {
    settings().SetCurrentPath("");
    EXPECT_EQ(view->LoadNextProblem(), -1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, "Info");
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8(texts::NoCurrentPathText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::Ok);

    // A path without "/" (after the missing-file warning).
    settings().SetCurrentPath("q1.md2");
    EXPECT_EQ(view->LoadNextProblem(), -3);
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[1].title, "Warning");
    EXPECT_EQ(Boxes()[1].text, QString::fromUtf8(texts::FileMissingText).replace("%s", "q1.md2"));
    EXPECT_EQ(Boxes()[1].icon, MessageIcon::Warning);
    EXPECT_EQ(Boxes()[2].title, "Info");
    EXPECT_EQ(Boxes()[2].text, QString::fromUtf8(texts::NoSlashText));

    // Only a leading "/": the directory part is empty.
    settings().SetCurrentPath("/q1.md2");
    EXPECT_EQ(view->LoadNextProblem(), -4);
    EXPECT_EQ(Boxes().back().text, QString::fromUtf8(texts::EmptyPartText));
    EXPECT_EQ(Boxes().back().title, "Info");
}

TEST_F(AnswerCheck, BackslashesAreTakenAsSeparators) {
    Puzzle("q1.md2");
    Puzzle("q2.md2");
    std::string stored = (puzzles / "q1.md2").string();
    stored.replace(stored.rfind('/'), 1, "\\");
    settings().SetCurrentPath(stored);
    EXPECT_EQ(view->LoadNextProblem(), 0);
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
    EXPECT_EQ(CurrentPath(), (puzzles / "q2.md2").string());
}

TEST_F(AnswerCheck, MovedDirectoryIsAnError) {
    settings().SetCurrentPath((dir / "gone" / "q1.md2").string());
    EXPECT_EQ(view->LoadNextProblem(), -100);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].title, "Warning");
    EXPECT_EQ(Boxes()[1].title, "Error");
    EXPECT_EQ(Boxes()[1].icon, MessageIcon::Warning);
    EXPECT_EQ(Boxes()[1].text, QString::fromUtf8(texts::SearchFailedText)
                                   .replace("%s", QString::fromStdString((dir / "gone" / "*").string())));
}

TEST_F(AnswerCheck, MissingFileWarnsAndLoadsTheFirstUnfinishedFile) {
    Puzzle("q2.md2");
    const std::string stored = (puzzles / "q1.md2").string();
    settings().SetCurrentPath(stored);
    EXPECT_EQ(view->LoadNextProblem(), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, "Warning");
    EXPECT_EQ(CurrentPath(), (puzzles / "q2.md2").string());
    EXPECT_FALSE(fs::exists(puzzles / "x.q1.md2"));
}

TEST_F(AnswerCheck, TakenMarkedNameNeverReloadsTheSolvedPuzzle) {
    WritePuzzle("x.q1.md2", Givens(), {}, puzzles);  // an earlier copy, finished
    PlayInQueue("q1.md2");
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    // The refusal is reported, the solved file stays as it is and, being the
    // only unfinished one, is not offered again: the queue is finished.
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[1].title, "Warning");
    EXPECT_TRUE(Boxes()[1].text.startsWith(QString::fromStdString((puzzles / "q1.md2").string())));
    EXPECT_EQ(Boxes()[2].title, QString::fromUtf8("全問終了"));
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(view->m_board.enteredCount, 81);

    // With another unfinished file the queue moves on to it.
    Puzzle("q2.md2");
    view->CheckAnswer();
    EXPECT_EQ(CurrentPath(), (puzzles / "q2.md2").string());
}

TEST_F(AnswerCheck, FillingTheLastCellWithAClickStartsTheCheck) {
    PlayInQueue("q1.md2");
    // Take out the answer of (2,0) again and enter it with a right click on
    // its square (digit 4: column 0, row 1 of the cell's squares).
    view->m_moves.Add(Entry(2, 0, DigitAt(EasySolution, 2, 0), Fix));
    view->m_board.Analyze();
    ASSERT_EQ(view->m_board.enteredCount, 80);
    boxes.Answer(MessageResult::No);
    view->OnMouseMove(QPoint(23 + 57 * 2 + 9, 23 + 19 + 9));
    view->OnRButtonUp();
    ASSERT_EQ(view->m_board.enteredCount, 81);
    EXPECT_TRUE(Boxes().empty());  // not before the timer has run
    for (int i = 0; i < 40 && Boxes().empty(); ++i) QTest::qWait(25);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("正解です"));
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
}
