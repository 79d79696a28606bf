// The document: opening and saving through the file commands, the reopen
// rule and the recent files.
#include "guisupport/ScriptedFileDialogs.h"
#include "guisupport/WindowFixture.h"

#include <QSettings>

namespace sorvat::test {
namespace {

class SorvatDocTest : public CommandFixture {
protected:
    QString FilePath(const std::string& name) const { return QString::fromStdString((dir / name).string()); }

    ScriptedFileDialogs dialogs;
};

TEST_F(SorvatDocTest, OpeningAFileLoadsItAndRemembersIt) {
    WritePuzzle("q.md2");
    dialogs.Answer(FilePath("q.md2"));
    document->OnFileOpen();
    EXPECT_EQ(dialogs.OpenQuestions(), 1);
    EXPECT_EQ(document->GetPathName(), FilePath("q.md2"));
    EXPECT_EQ(CurrentPath(), (dir / "q.md2").string());
    EXPECT_EQ(moves().Count(), 30);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("q.md2 - Sorvat"));
    EXPECT_EQ(document->RecentFiles().Files().value(0), FilePath("q.md2"));

    document->OnFileOpen();  // cancelled
    EXPECT_EQ(document->GetPathName(), FilePath("q.md2"));

    // The open file again is read again from disk, without a question.
    session().EnterFix(2, 0, 5);
    ASSERT_TRUE(document->OpenDocumentFile(FilePath("q.md2")));
    EXPECT_EQ(EntriesText(), PuzzleFile::Format("entries.md1", Givens()));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(SorvatDocTest, AFileThatCannotBeOpenedIsReportedAndLeavesTheRecentFiles) {
    WritePuzzle("q.md2");
    ASSERT_TRUE(document->OpenDocumentFile(FilePath("q.md2")));
    const std::string before = EntriesText();
    std::filesystem::remove(dir / "q.md2");

    EXPECT_FALSE(document->OpenRecentFile(0));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(Boxes()[0].text.contains(FilePath("q.md2")));
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(EntriesText(), before);
    EXPECT_FALSE(document->RecentFiles().Files().contains(FilePath("q.md2")));
}

TEST_F(SorvatDocTest, SaveAsksForANameOnlyWithoutACurrentPuzzleAndSaveAsAlways) {
    Play(Givens());
    session().TogglePossible(3, 0, 2);
    dialogs.Answer(FilePath("saved.md1"));
    document->OnFileSave();
    EXPECT_EQ(dialogs.SaveQuestions(), 1);
    EXPECT_EQ(ReadBytes(dir / "saved.md1"), EntriesText());
    EXPECT_EQ(document->GetPathName(), FilePath("saved.md1"));
    EXPECT_EQ(CurrentPath(), (dir / "saved.md1").string());
    session().TogglePossible(4, 0, 1);
    document->OnFileSave();
    EXPECT_EQ(dialogs.SaveQuestions(), 1);
    EXPECT_EQ(ReadBytes(dir / "saved.md1"), EntriesText());

    document->OnFileSaveAs();  // cancelled
    EXPECT_EQ(dialogs.SaveQuestions(), 2);
    EXPECT_EQ(document->GetPathName(), FilePath("saved.md1"));
    dialogs.Answer(FilePath("copy.md1"));
    document->OnFileSaveAs();
    EXPECT_EQ(document->GetPathName(), FilePath("copy.md1"));
    EXPECT_EQ(ReadBytes(dir / "copy.md1"), EntriesText());
}

TEST_F(SorvatDocTest, NewDocumentKeepsTheBoardAndTheTitle) {
    WritePuzzle("q.md2");
    ASSERT_TRUE(document->OpenDocumentFile(FilePath("q.md2")));
    const std::string entries = EntriesText();
    document->OnFileNew();
    EXPECT_TRUE(document->GetPathName().isEmpty());
    EXPECT_EQ(EntriesText(), entries);
    EXPECT_EQ(CurrentPath(), (dir / "q.md2").string());
    EXPECT_EQ(document->GetTitle(), QStringLiteral("q.md2"));
}

TEST_F(SorvatDocTest, RecentFilesKeepTheNewestFourAcrossRuns) {
    // The list of an earlier version moves over from its place, once.
    QSettings(QStringLiteral("sorvat"), QStringLiteral("Sorvat")).clear();
    QSettings earlier(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Sorvat"));
    earlier.setValue(QStringLiteral("Recent File List/File1"), FilePath("old"));
    CRecentFileList upgraded;
    upgraded.ReadList();
    earlier.clear();
    upgraded.ReadList();
    EXPECT_EQ(upgraded.Files(), QStringList{FilePath("old")});
    EXPECT_TRUE(QSettings(QStringLiteral("sorvat"), QStringLiteral("Sorvat")).fileName().endsWith("/sorvat/Sorvat.conf"));

    CRecentFileList list;
    for (const char* name : {"a", "b", "c", "d", "e", "c"}) list.Add(FilePath(name));
    EXPECT_EQ(list.Files(), (QStringList{FilePath("c"), FilePath("e"), FilePath("d"), FilePath("b")}));
    list.WriteList();

    CRecentFileList later;
    later.ReadList();
    EXPECT_EQ(later.Files(), list.Files());
    later.Remove(1);
    later.Remove(7);
    EXPECT_EQ(later.Files().size(), 3);
}

} // namespace
} // namespace sorvat::test
