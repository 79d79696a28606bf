// The answer check's boxes and the next problem they lead to. Which verdict
// and which queue step is taken is checked in tests/game.
#include "guisupport/WindowFixture.h"

#include "commands/CommandTexts.h"

#include <QRegularExpression>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

class AnswerCheck : public CommandFixture {
protected:
    // A puzzle directory beside the fixture's files, so the quick and
    // continue files of the current directory stay out of the queue.
    void SetUp() override {
        CommandFixture::SetUp();
        fs::create_directories(puzzles);
    }
    static QString Text(const char* text, const fs::path& filledIn = {}) {
        return QString::fromUtf8(text).replace("%s", QString::fromStdString(filledIn.string()));
    }

    const fs::path puzzles = dir / "puzzles";
};

// Each verdict's box; only a Yes to an offer marks the file and loads the
// next one.
TEST_F(AnswerCheck, EachVerdictShowsItsBoxAndAYesToAnOfferMovesOn) {
    const struct {
        EntryList moves;
        MessageResult answer;
        const char* title;
        const char* text;
        MessageButtons buttons;
        MessageIcon icon;
        bool movesOn;
    } cases[] = {
        {Played(EasySolution), MessageResult::No, texts::CorrectTitle, texts::CorrectText, MessageButtons::YesNo,
         MessageIcon::None, false},
        {Played(EasySolution), MessageResult::Yes, texts::CorrectTitle, texts::CorrectText, MessageButtons::YesNo,
         MessageIcon::None, true},
        {Played(SwappedSolution()), MessageResult::Ok, texts::WrongTitle, texts::WrongText, MessageButtons::Ok,
         MessageIcon::Warning, false},
        {AllFix(EasySolution), MessageResult::Yes, texts::UnsolvedConsistentTitle, texts::UnsolvedConsistentText,
         MessageButtons::YesNo, MessageIcon::None, true},
        {AllFix(SwappedSolution()), MessageResult::Ok, texts::UnsolvedContradictionTitle,
         texts::UnsolvedContradictionText, MessageButtons::Ok, MessageIcon::Warning, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const fs::path here = puzzles / std::to_string(++n);
        fs::create_directories(here);
        const fs::path solved = WritePuzzle("q1.md1", c.moves, {}, here);
        const fs::path next = WritePuzzle("q2.md2", Givens(EasySolution), {}, here);
        view->LoadFile(solved.string());
        boxes.Answer(c.answer);
        const std::size_t before = Boxes().size();
        commands->CheckAnswer();
        ASSERT_EQ(Boxes().size(), before + 1);
        const MessageBoxRequest& box = Boxes().back();
        EXPECT_EQ(box.title, Text(c.title));
        EXPECT_EQ(box.text, Text(c.text));
        // Spoken without the quotes, "x.*", "-->" and the English words a Japanese voice spells.
        EXPECT_TRUE(!box.spokenText.isEmpty() &&
                    !box.spokenText.contains(QRegularExpression(QStringLiteral("['*>]|Lock|Cell"))))
            << box.spokenText.toStdString();
        EXPECT_EQ(box.buttons, c.buttons);
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.owner, view);
        EXPECT_EQ(fs::exists(here / "x.q1.md1"), c.movesOn);
        EXPECT_EQ(CurrentPath(), (c.movesOn ? next : solved).string());
        EXPECT_EQ(moves().Count(), 81);
    }
}

// The solved file's marked name is taken: the refusal is reported, and the
// solved file, the only unfinished one, is not offered again.
TEST_F(AnswerCheck, ARefusedRenameIsReportedAndTheLastPuzzleEndsWithAllFinished) {
    WritePuzzle("x.q1.md2", Givens(), {}, puzzles);
    PlaySolved(WritePuzzle("q1.md2", Givens(), {}, puzzles));
    commands->CheckAnswer();
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[1].title, "Warning");
    EXPECT_EQ(Boxes()[1].spokenTitle, QString::fromUtf8("警告"));
    EXPECT_EQ(Boxes()[1].text, Text(texts::RenameRefusedText, puzzles / "q1.md2"));
    EXPECT_EQ(Boxes()[2].title, Text(texts::AllFinishedTitle));
    EXPECT_EQ(Boxes()[2].text, Text(texts::AllFinishedText, puzzles / "*"));
    EXPECT_EQ(Boxes()[2].buttons, MessageButtons::Ok);
    EXPECT_EQ(board().enteredCount, 81);  // the board keeps the solved puzzle

    // Marked, the last puzzle is the marked file, which a save writes.
    const fs::path last = puzzles / "last";
    fs::create_directories(last);
    PlaySolved(WritePuzzle("q9.md2", Givens(), {}, last));
    commands->CheckAnswer();
    EXPECT_EQ(Boxes().back().title, Text(texts::AllFinishedTitle));
    EXPECT_EQ(CurrentPath(), (last / "x.q9.md2").string());
    EXPECT_EQ(document->GetTitle(), QStringLiteral("x.q9.md2"));
}

TEST_F(AnswerCheck, WithoutAUsableDirectoryTheNextProblemStopsWithABox) {
    const struct {
        std::string path;
        QueueStep::Status result;
        const char* title;
        QString text;
    } cases[] = {
        {"", QueueStep::NoCurrentPath, "Info", Text(texts::NoCurrentPathText)},
        {"q1.md2", QueueStep::NoSlash, "Info", Text(texts::NoSlashText)},
        {"/q1.md2", QueueStep::EmptyPart, "Info", Text(texts::EmptyPartText)},
        {(dir / "gone" / "q1.md2").string(), QueueStep::ListingFailed, "Error", Text(texts::SearchFailedText, dir / "gone" / "*")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::size_t before = Boxes().size();
        settings().SetCurrentPath(c.path);
        EXPECT_EQ(commands->LoadNextProblem(), c.result);
        // A missing current file is warned about before the stop.
        ASSERT_EQ(Boxes().size(), before + (c.path.empty() ? 1 : 2));
        if (!c.path.empty()) {
            EXPECT_EQ(Boxes()[before].title, "Warning");
            EXPECT_EQ(Boxes()[before].text, Text(texts::FileMissingText, c.path));
            EXPECT_EQ(Boxes()[before].icon, MessageIcon::Warning);
        }
        EXPECT_EQ(Boxes().back().title, c.title);
        EXPECT_EQ(Boxes().back().text, c.text);
        EXPECT_EQ(Boxes().back().icon, c.result == QueueStep::ListingFailed ? MessageIcon::Warning : MessageIcon::None);
    }
}

} // namespace
} // namespace sorvat::test
