// The whole program's start and exit: the command line, the continue file
// and dropped files.
#include "guisupport/ScriptedFileDialogs.h"
#include "guisupport/WindowFixture.h"

#include "view/FixedFiles.h"

namespace sorvat::test {
namespace {

using ViewLifecycleTest = WindowFixture;

// Without a file argument the continue file is loaded; the title shows the
// puzzle file of the previous run while the game is that file's puzzle, and
// exit writes the continue file again.
TEST_F(ViewLifecycleTest, ExitWritesTheContinueFileThatTheNextStartLoads) {
    Settings previous;
    previous.SetCurrentPath(WritePuzzle("q007.md2").string());
    WriteBytes(dir / SettingsFileName, previous.ToBytes());
    EntryList played = Givens();
    played.Add(Entry(2, 0, DigitAt(EasySolution, 2, 0), Fix));
    WriteBytes(dir / ContinueFile, PuzzleFile::Format(ContinueFile, played));

    Start();
    EXPECT_EQ(PuzzleFile::Format("e.md1", moves()), PuzzleFile::Format("e.md1", played));
    EXPECT_EQ(document->GetTitle(), QStringLiteral("q007.md2"));
    session().TogglePossible(3, 0, 4);
    const std::string now = PuzzleFile::Format(ContinueFile, moves());
    frame->close();
    ProcessEvents();
    EXPECT_EQ(ReadBytes(dir / ContinueFile), now);

    // The last window played another folder's puzzle: the game resumed here
    // is not that file's, so it has no file and a save asks for a name.
    const std::filesystem::path other = dir / "other";
    std::filesystem::create_directory(other);
    previous.SetCurrentPath(WritePuzzle("b.md2", FirstLocksOfTheAnswer(20), {}, other).string());
    WriteBytes(dir / SettingsFileName, previous.ToBytes());
    app.reset();
    ScriptedFileDialogs dialogs;
    Start();
    EXPECT_TRUE(board().Cell(3, 0).Has(4, PossibleBit));
    EXPECT_EQ(CurrentPath(), "");
    EXPECT_EQ(document->GetTitle(), QString::fromUtf8("無題"));
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.SaveQuestions(), 1);
    EXPECT_EQ(ReadBytes(other / "b.md2"), PuzzleFile::Format("b.md2", FirstLocksOfTheAnswer(20)));
}

} // namespace
} // namespace sorvat::test
