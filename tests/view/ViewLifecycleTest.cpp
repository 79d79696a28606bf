// The whole program's start and exit: the command line, the continue file
// and dropped files.
#include "guisupport/WindowFixture.h"

#include "view/FixedFiles.h"

namespace sorvat::test {
namespace {

using ViewLifecycleTest = WindowFixture;

// Without a file argument the continue file is loaded; the title shows the
// puzzle of the previous run, and exit writes the continue file again.
TEST_F(ViewLifecycleTest, ExitWritesTheContinueFileThatTheNextStartLoads) {
    Settings previous;
    previous.SetCurrentPath("/home/u/puzzles/q007.md2");
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

    app.reset();
    Start();
    EXPECT_TRUE(board().Cell(3, 0).Has(4, PossibleBit));
}

} // namespace
} // namespace sorvat::test
