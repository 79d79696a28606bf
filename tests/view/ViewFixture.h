#pragma once
#include "files/PuzzleFile.h"
#include "settings/Settings.h"
#include "view/Globals.h"
#include "view/MemoHandoff.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

// Stands in for the main frame's published reference; never dereferenced.
inline CMainFrame* FakeMainFrame() {
    static int marker = 0;
    return reinterpret_cast<CMainFrame*>(&marker);
}

// A view with its document and settings, working in a temporary current
// directory. The application-wide references are restored afterwards.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_previousDirectory = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
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
        QDir::setCurrent(m_previousDirectory);
    }

    // The absolute path of `name` inside the temporary directory.
    std::string PathOf(const std::string& name) const {
        return QFile::encodeName(m_dir.filePath(QString::fromStdString(name))).toStdString();
    }

    void WriteFile(const std::string& name, const std::string& bytes) const {
        QFile file(QString::fromStdString(PathOf(name)));
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string ReadFile(const std::string& name) const {
        QFile file(QString::fromStdString(PathOf(name)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    bool Exists(const std::string& name) const { return QFile::exists(QString::fromStdString(PathOf(name))); }

    std::string CurrentPath() const { return std::string(m_settings.CurrentPath()); }

    // The entries in effect, as an md1 file would hold them.
    std::string EntriesText() const { return PuzzleFile::Format("entries.md1", m_view->m_moves); }

    QTemporaryDir m_dir;
    QString m_previousDirectory;
    Settings m_settings;
    std::vector<std::string> m_memoLog;
    std::unique_ptr<CSorvatView> m_view;
    std::unique_ptr<CSorvatDoc> m_document;
};

// Lock entries from an 81-character line ('.' or '0' for a blank).
inline EntryList LocksFromLine(const std::string& line) {
    EntryList list;
    for (int i = 0; i < 81 && i < static_cast<int>(line.size()); ++i) {
        if (line[i] >= '1' && line[i] <= '9')
            list.Add(Entry(i % 9, i / 9, line[i] - '1', Lock));
    }
    return list;
}

// A puzzle with a unique solution, and that solution.
inline const std::string PuzzleLine =
    "92....5.........41.34...2..58.....12......3..3.....4.5...51...4..8.39.2.79.8.4...";
inline const std::string SolutionLine =
    "926471538875263941134985276589346712647152389312798465263517894458639127791824653";

inline int SolutionDigit(int x, int y) { return SolutionLine[y * 9 + x] - '1'; }

// The puzzle's Locks as an md2 file.
inline std::string PuzzleMd2() { return PuzzleFile::Format("q.md2", LocksFromLine(PuzzleLine)); }

} // namespace sorvat::test
