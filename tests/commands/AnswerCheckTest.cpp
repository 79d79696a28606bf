#include "guisupport/WindowFixture.h"

#include "commands/CommandTexts.h"

using namespace sorvat;
using namespace sorvat::test;
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

    fs::path Puzzle(const std::string& name, const EntryList& list = Givens()) {
        return WritePuzzle(name, list, {}, puzzles);
    }
    QString Text(const char* text, const fs::path& filledIn = {}) const {
        return QString::fromUtf8(text).replace("%s", QString::fromStdString(filledIn.string()));
    }

    fs::path puzzles;
};

} // namespace

TEST_F(AnswerCheck, CorrectBoardWithNoKeepsEverything) {
    PlaySolved(Puzzle("q1.md2"));
    Puzzle("q2.md2");
    boxes.Answer(MessageResult::No);
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("正解です"));
    EXPECT_EQ(Boxes()[0].text, Text(texts::CorrectText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::None);
    EXPECT_EQ(Boxes()[0].owner, view);
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(view->m_board.enteredCount, 81);
}

TEST_F(AnswerCheck, CorrectBoardWithYesMarksTheFileAndLoadsTheNextOne) {
    // Passed over: the directory entry, a sub-directory, hidden and finished
    // files. A capital "X." is not the mark.
    fs::create_directories(puzzles / "a-sub");
    Puzzle(".hidden");
    Puzzle("x.done.md2");
    PlaySolved(Puzzle("q1.md2"));
    Puzzle("X.upper.md1", Givens(EasySolution));
    Puzzle("q2.md2");

    view->CheckAnswer();
    EXPECT_FALSE(fs::exists(puzzles / "q1.md2"));
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
    EXPECT_EQ(CurrentPath(), (puzzles / "X.upper.md1").string());
    EXPECT_EQ(view->m_moves.Count(), 81);
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(AnswerCheck, LastPuzzleOfTheDirectoryEndsWithAllFinished) {
    PlaySolved(Puzzle("q1.md2"));
    Puzzle("x.q0.md2");
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].title, QString::fromUtf8("全問終了"));
    EXPECT_EQ(Boxes()[1].text, Text(texts::AllFinishedText, puzzles / "*"));
    EXPECT_EQ(Boxes()[1].buttons, MessageButtons::Ok);
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
    // The board keeps the solved puzzle.
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(view->m_board.enteredCount, 81);
}

TEST_F(AnswerCheck, WrongBoardIsReportedWithoutAnOffer) {
    view->LoadFile(Puzzle("q1.md2").string());
    AddAnswers(view->m_moves, EasyPuzzle, SwappedSolution());
    view->m_board.Analyze();
    const int count = view->m_moves.Count();
    view->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("残念。間違いです。"));
    EXPECT_EQ(Boxes()[0].text, Text(texts::WrongText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
    EXPECT_EQ(view->m_moves.Count(), count);
}

TEST_F(AnswerCheck, GivensEnteredAsFixAreJudgedByTheBoardAlone) {
    EntryList fixes;
    AddGrid(fixes, EasySolution, Fix);
    view->LoadFile(Puzzle("f1.md1", fixes).string());
    Puzzle("f2.md1", fixes);
    view->CheckAnswer();
    ASSERT_GE(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, Text(texts::UnsolvedConsistentTitle));
    EXPECT_EQ(Boxes()[0].text, Text(texts::UnsolvedConsistentText));
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::None);
    EXPECT_TRUE(fs::exists(puzzles / "x.f1.md1"));
    EXPECT_EQ(CurrentPath(), (puzzles / "f2.md1").string());

    EntryList wrongFixes;
    AddGrid(wrongFixes, SwappedSolution(), Fix);
    view->LoadFile(Puzzle("f3.md1", wrongFixes).string());
    view->CheckAnswer();
    const MessageBoxRequest& last = Boxes().back();
    EXPECT_EQ(last.title, QString::fromUtf8("残念。矛盾があります。"));
    EXPECT_EQ(last.text, Text(texts::UnsolvedContradictionText));
    EXPECT_EQ(last.buttons, MessageButtons::Ok);
    EXPECT_EQ(last.icon, MessageIcon::Warning);
    EXPECT_TRUE(fs::exists(puzzles / "f3.md1"));
}

TEST_F(AnswerCheck, NextProblemStopsWithoutAUsableDirectory) {
    struct Case {
        std::string path;
        int result;
        bool fileMissing;  // warned about before the stop
        const char* title;
        QString text;
    };
    const Case cases[] = {
        {"", -1, false, "Info", Text(texts::NoCurrentPathText)},
        {"q1.md2", -3, true, "Info", Text(texts::NoSlashText)},        // no "/"
        {"/q1.md2", -4, true, "Info", Text(texts::EmptyPartText)},     // empty directory part
        {(dir / "gone" / "q1.md2").string(), -100, true, "Error", Text(texts::SearchFailedText, dir / "gone" / "*")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::size_t before = Boxes().size();
        settings().SetCurrentPath(c.path);
        EXPECT_EQ(view->LoadNextProblem(), c.result);
        ASSERT_EQ(Boxes().size(), before + (c.fileMissing ? 2 : 1));
        if (c.fileMissing) {
            EXPECT_EQ(Boxes()[before].title, "Warning");
            EXPECT_EQ(Boxes()[before].text, Text(texts::FileMissingText, c.path));
            EXPECT_EQ(Boxes()[before].icon, MessageIcon::Warning);
        }
        EXPECT_EQ(Boxes().back().title, c.title);
        EXPECT_EQ(Boxes().back().text, c.text);
        EXPECT_EQ(Boxes().back().icon, c.result == -100 ? MessageIcon::Warning : MessageIcon::None);
    }
}

TEST_F(AnswerCheck, MissingFileWarnsAndLoadsTheFirstUnfinishedFile) {
    Puzzle("q2.md2");
    settings().SetCurrentPath((puzzles / "q1.md2").string());
    EXPECT_EQ(view->LoadNextProblem(), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, "Warning");
    EXPECT_EQ(CurrentPath(), (puzzles / "q2.md2").string());
    EXPECT_FALSE(fs::exists(puzzles / "x.q1.md2"));
}

TEST_F(AnswerCheck, TakenMarkedNameNeverReloadsTheSolvedPuzzle) {
    Puzzle("x.q1.md2");  // an earlier copy, finished
    PlaySolved(Puzzle("q1.md2"));
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
