#pragma once
#include "guisupport/PuzzleFixtures.h"
#include "guisupport/TempDirFixture.h"

#include "files/PuzzleFile.h"
#include "view/FrameServices.h"
#include "view/Globals.h"
#include "view/MemoHandoff.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

#include <QPrinter>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace sorvat::test {

// Records the view's calls to the memo window, in order.
class RecordingMemoHandoff final : public MemoHandoff {
public:
    explicit RecordingMemoHandoff(std::vector<std::string>& log) : m_log(log) {}
    void Start() override { m_log.push_back("start"); }
    void CloseWindow() override { m_log.push_back("close"); }
    void Publish(const char* memo) override { m_log.push_back(std::string("publish:") + memo); }
    void Stop() override { m_log.push_back("stop"); }
    void WaitForStop() override { m_log.push_back("wait"); }

private:
    std::vector<std::string>& m_log;
};

// The window around a view under test: an unshown widget, the test's
// settings, and a record of what the view asked of it.
class TestFrame final : public FrameServices {
public:
    QWidget* Window() override { return &window; }
    Settings& SettingsRecord() override { return *g_pSettings; }
    void SetStatusText(const QString& text) override { status = text; }
    QString LevelEditText() const override { return levelText; }
    QPrinter& Printer() override { return printer; }
    void BoardPainted(const CellBoard&, const CellBoard&) override { ++paints; }

    QWidget window;
    QString status;
    QString levelText;
    QPrinter printer;
    int paints = 0;
};

// A puzzle with a unique solution (0 = empty), and that solution.
inline constexpr std::string_view PuzzleLine =
    "920000500000000041034000200580000012000000300300000405000510004008039020790804000";
inline constexpr std::string_view SolutionLine =
    "926471538875263941134985276589346712647152389312798465263517894458639127791824653";

inline int SolutionDigit(int x, int y) { return DigitAt(SolutionLine, x, y); }

// The puzzle's Locks as an md2 file.
inline std::string PuzzleMd2() { return PuzzleFile::Format("q.md2", Givens(PuzzleLine)); }

// A view with its document and settings, without a main frame, in a
// temporary current directory. The application-wide references are restored
// afterwards.
class ViewTest : public TempDirFixture {
protected:
    void SetUp() override {
        TempDirFixture::SetUp();
        g_pSettings = &m_settings;
        g_pMainFrame = nullptr;
        g_pView = nullptr;
        m_view = std::make_unique<CSorvatView>();
        m_document = std::make_unique<CSorvatDoc>();
        m_document->SetView(m_view.get());
        m_view->SetMemoHandoff(std::make_unique<RecordingMemoHandoff>(m_memoLog));
    }

    void TearDown() override {
        m_view.reset();
        m_document.reset();
        g_pSettings = nullptr;
        g_pMainFrame = nullptr;
        g_pView = nullptr;
        TempDirFixture::TearDown();
    }

    // The absolute path of `name` inside the temporary directory, as bytes.
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    QString FilePath(const std::string& name) const { return QString::fromStdString(PathOf(name)); }

    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(PathOf(name)).parent_path());
        WriteBytes(PathOf(name), bytes);
    }
    std::string ReadFile(const std::string& name) const { return ReadBytes(PathOf(name)); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }
    void MakeDirectory(const std::string& name) const { std::filesystem::create_directories(PathOf(name)); }

    // The puzzle's Locks, then a Fix with the right digit at (2,0) and
    // Possible marks of 1 and 7 at (3,0).
    void Play() {
        m_view->m_moves = Givens(PuzzleLine);
        m_view->m_moves.Add(Entry(2, 0, SolutionDigit(2, 0), Fix));
        m_view->m_moves.Add(Entry(3, 0, 0, Possible));
        m_view->m_moves.Add(Entry(3, 0, 6, Possible));
    }

    // The entries in effect, as an md1 file would hold them.
    std::string EntriesText() const { return PuzzleFile::Format("entries.md1", m_view->m_moves); }

    // Publishes the test's frame, as the main frame publishes itself.
    FrameServices* TestFramePointer() { return &m_frame; }

    Settings m_settings;
    TestFrame m_frame;
    std::vector<std::string> m_memoLog;
    std::unique_ptr<CSorvatView> m_view;
    std::unique_ptr<CSorvatDoc> m_document;
};

} // namespace sorvat::test
