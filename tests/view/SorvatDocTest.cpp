// The document: title rule, opening and saving through the file commands,
// the reopen rule and the recent files.
#include "ViewFixture.h"

#include "guisupport/ScriptedFileDialogs.h"

namespace sorvat::test {
namespace {

class SorvatDocTest : public ViewTest {
protected:
    ScriptedFileDialogs m_dialogs;
};

TEST_F(SorvatDocTest, TitleRuleBeforeAndAfterTheFrameExists) {
    m_settings.SetCurrentPath("/home/u/puzzles/q001.md2");
    m_document->SetTitle();
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("無題"));
    m_document->SetTitle(QStringLiteral("dir/given.md1"));
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("given.md1"));

    g_pMainFrame = TestFramePointer();
    m_document->SetTitle(QStringLiteral("ignored.md1"));
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("q001.md2"));

    m_settings.SetCurrentPath("");
    m_document->SetTitle();
    EXPECT_EQ(m_document->GetTitle(), QString());
}

TEST_F(SorvatDocTest, OpeningAFileLoadsItAndRemembersIt) {
    g_pMainFrame = TestFramePointer();
    WriteFile("q.md2", PuzzleMd2());
    QStringList titles;
    QObject::connect(m_document.get(), &CSorvatDoc::titleChanged,
                     [&](const QString& title) { titles.append(title); });

    m_dialogs.Answer(FilePath("q.md2"));
    m_document->OnFileOpen();
    EXPECT_EQ(m_dialogs.OpenQuestions(), 1);
    EXPECT_EQ(m_document->GetPathName(), FilePath("q.md2"));
    EXPECT_EQ(CurrentPath(), PathOf("q.md2"));
    EXPECT_EQ(m_view->m_moves.Count(), Givens(PuzzleLine).Count());
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.last(), QStringLiteral("q.md2"));
    EXPECT_EQ(m_document->RecentFiles().Files().value(0), FilePath("q.md2"));

    m_document->OnFileOpen();  // cancelled
    EXPECT_EQ(m_document->GetPathName(), FilePath("q.md2"));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(SorvatDocTest, OpeningTheOpenFileAgainReadsItFromDisk) {
    WriteFile("q.md2", PuzzleMd2());
    ASSERT_TRUE(m_document->OpenDocumentFile(FilePath("q.md2")));
    m_view->m_moves.Add(Entry(2, 0, 5, Fix));
    m_document->SetModifiedFlag();

    ASSERT_TRUE(m_document->OpenDocumentFile(FilePath("q.md2")));
    EXPECT_EQ(EntriesText(), PuzzleFile::Format("entries.md1", Givens(PuzzleLine)));
    EXPECT_FALSE(m_document->IsModified());
    EXPECT_TRUE(Boxes().empty());  // no question
}

TEST_F(SorvatDocTest, AFileThatCannotBeOpenedIsReportedAndLeavesTheRecentFiles) {
    WriteFile("q.md2", PuzzleMd2());
    ASSERT_TRUE(m_document->OpenDocumentFile(FilePath("q.md2")));
    const std::string before = EntriesText();
    ASSERT_TRUE(QFile::remove(FilePath("q.md2")));

    EXPECT_FALSE(m_document->OpenRecentFile(0));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(Boxes()[0].text.contains(FilePath("q.md2")));
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(EntriesText(), before);
    EXPECT_FALSE(m_document->RecentFiles().Files().contains(FilePath("q.md2")));

    MakeDirectory("folder.md1");
    EXPECT_FALSE(m_document->OpenDocumentFile(FilePath("folder.md1")));
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(EntriesText(), before);
}

TEST_F(SorvatDocTest, SaveAsksForANameOnlyWithoutACurrentPuzzle) {
    m_view->m_moves = Givens(PuzzleLine);
    m_view->m_moves.Add(Entry(3, 0, 2, Possible));

    m_dialogs.Answer(FilePath("saved.md1"));
    m_document->OnFileSave();
    EXPECT_EQ(m_dialogs.SaveQuestions(), 1);
    EXPECT_EQ(ReadFile("saved.md1"), EntriesText());
    EXPECT_EQ(m_document->GetPathName(), FilePath("saved.md1"));
    EXPECT_EQ(CurrentPath(), PathOf("saved.md1"));
    m_view->m_moves.Add(Entry(4, 0, 1, Possible));
    m_document->OnFileSave();
    EXPECT_EQ(m_dialogs.SaveQuestions(), 1);
    EXPECT_EQ(ReadFile("saved.md1"), EntriesText());
}

TEST_F(SorvatDocTest, SaveAsAlwaysAsksAndACancelSavesNothing) {
    WriteFile("q.md2", PuzzleMd2());
    ASSERT_TRUE(m_document->OpenDocumentFile(FilePath("q.md2")));
    m_document->OnFileSaveAs();  // cancelled
    EXPECT_EQ(m_dialogs.SaveQuestions(), 1);
    EXPECT_EQ(m_document->GetPathName(), FilePath("q.md2"));

    m_dialogs.Answer(FilePath("copy.md1"));
    m_document->OnFileSaveAs();
    EXPECT_EQ(m_document->GetPathName(), FilePath("copy.md1"));
    EXPECT_EQ(ReadFile("copy.md1"), EntriesText());
}

TEST_F(SorvatDocTest, AFailedSaveIsReportedAndChangesNothing) {
    m_settings.SetCurrentPath("/earlier/q.md1");
    m_dialogs.Answer(FilePath("missing/q.md1"));
    m_document->OnFileSaveAs();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(Boxes()[0].text.contains(FilePath("missing/q.md1")));
    EXPECT_EQ(CurrentPath(), "/earlier/q.md1");
    EXPECT_TRUE(m_document->GetPathName().isEmpty());
}

TEST_F(SorvatDocTest, NewDocumentKeepsTheBoardAndTheTitle) {
    g_pMainFrame = TestFramePointer();
    WriteFile("q.md2", PuzzleMd2());
    ASSERT_TRUE(m_document->OpenDocumentFile(FilePath("q.md2")));
    const std::string entries = EntriesText();

    m_document->OnFileNew();
    EXPECT_TRUE(m_document->GetPathName().isEmpty());
    EXPECT_EQ(EntriesText(), entries);
    EXPECT_EQ(CurrentPath(), PathOf("q.md2"));
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("q.md2"));
}

TEST_F(SorvatDocTest, RecentFilesKeepTheNewestFourAcrossRuns) {
    CRecentFileList list;
    for (const char* name : {"a", "b", "c", "d", "e", "c"})
        list.Add(FilePath(name));
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
