#include "view/SorvatDoc.h"

#include "files/PuzzleFile.h"
#include "files/RegularFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "files/ReplacingFile.h"
#include "settings/Settings.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

QString UntitledTitle() {
    return CSorvatDoc::tr("無題");
}

std::string EncodedPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString DecodedPath(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

QString FullPathOf(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

std::string FullPathOf(const std::string& name) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    return error ? name : absolute.lexically_normal().string();
}

} // namespace

CSorvatDoc::CSorvatDoc(QObject* parent) : QObject(parent) {
    m_recentFiles.ReadList();
}

void CSorvatDoc::SetView(CSorvatView* view) {
    m_pView = view;
    if (view != nullptr)
        view->SetDocument(this);
}

bool CSorvatDoc::Serialize(Archive& archive) {
    if (m_pView == nullptr)
        return true;
    if (!archive.IsStoring())
        return m_pView->LoadFrom(archive.file, archive.path);
    m_pView->SaveTo(archive.file, archive.path);
    return true;
}

void CSorvatDoc::SetTitle(const std::optional<QString>& title) {
    QString text = UntitledTitle();
    if (g_pMainFrame != nullptr && g_pSettings != nullptr) {
        // A puzzle without a file says so.
        if (!g_pSettings->CurrentPath().empty())
            text = QFile::decodeName(QByteArray(g_pSettings->CurrentPath().data(),
                                                static_cast<qsizetype>(g_pSettings->CurrentPath().size())));
    }
    else if (title.has_value())
        text = *title;
    const qsizetype cut = text.lastIndexOf(QLatin1Char('/'));
    ApplyTitle(cut < 0 ? text : text.mid(cut + 1));
}

void CSorvatDoc::ApplyTitle(const QString& title) {
    m_strTitle = title;
    emit titleChanged(m_strTitle);
}

void CSorvatDoc::SetPathName(const QString& path, bool addToRecentFiles) {
    m_strPathName = path.isEmpty() ? QString() : FullPathOf(path);
    SetTitle(QFileInfo(m_strPathName).fileName());
    if (addToRecentFiles && !m_strPathName.isEmpty()) {
        m_recentFiles.Add(m_strPathName);
        m_recentFiles.WriteList();
        emit recentFilesChanged(m_recentFiles.Files());
    }
}

void CSorvatDoc::SetPathNameOf(const std::string& name) {
    const std::string full = FullPathOf(name);
    const QString path = DecodedPath(full);
    SetPathName(path, EncodedPath(path) == full);
}

bool CSorvatDoc::OnOpenDocument(const QString& path) {
    return OnOpenDocument(EncodedPath(path));
}

bool CSorvatDoc::OnOpenDocument(const std::string& name) {
    std::error_code error;
    if (std::filesystem::is_directory(name, error)) {
        ReportFileError(name, false, EISDIR);
        return false;
    }
    // Only regular files: opening a FIFO would wait for a writer forever.
    std::FILE* file = sorvat::OpenRegularFileForReading(name);
    if (file == nullptr) {
        ReportFileError(name, false, errno);
        return false;
    }
    Archive archive;
    archive.storing = false;
    archive.file = file;
    archive.path = FullPathOf(name);
    const bool loaded = Serialize(archive);
    std::fclose(file);
    return loaded;
}

bool CSorvatDoc::OnSaveDocument(const QString& path) {
    return OnSaveDocument(EncodedPath(path));
}

bool CSorvatDoc::OnSaveDocument(const std::string& name) {
    // A failed save must leave currentPath as it was.
    std::array<char, sorvat::CurrentPathFieldSize> previousPath{};
    if (g_pSettings != nullptr)
        std::copy(std::begin(g_pSettings->currentPath), std::end(g_pSettings->currentPath),
                  previousPath.begin());
    auto restorePath = [&] {
        if (g_pSettings != nullptr)
            std::copy(previousPath.begin(), previousPath.end(), g_pSettings->currentPath);
    };

    sorvat::ReplacingFile replacing;
    if (!replacing.Open(name)) {
        ReportFileError(name, true, errno);
        return false;
    }
    Archive archive;
    archive.storing = true;
    archive.file = replacing.File();
    archive.path = FullPathOf(name);
    Serialize(archive);
    const bool written = std::fflush(replacing.File()) == 0 && !std::ferror(replacing.File());
    int error = errno;
    if (written && replacing.Commit())
        return true;
    if (written)
        error = errno;
    else
        replacing.Discard();
    restorePath();
    ReportFileError(name, true, error != 0 ? error : EIO);
    return false;
}

void CSorvatDoc::OnFileNew() {
    m_strPathName.clear();
    SetTitle(UntitledTitle());
}

void CSorvatDoc::OnFileOpen() {
    QWidget* owner = m_pView != nullptr ? m_pView->window() : nullptr;
    const QString path = sorvat::AskOpenFileName(
        owner, tr("開く"), QFileInfo(m_strPathName).absolutePath(),
        tr("ﾅﾝﾊﾞｰﾌﾟﾚｰｽ (*.md1 *.md2 *.txt *.sdk *.ss)") + QStringLiteral(";;") + tr("すべてのﾌｧｲﾙ (*)"));
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CSorvatDoc::OpenDocumentFile(const QString& path) {
    return OpenDocumentFile(EncodedPath(path));
}

bool CSorvatDoc::OpenDocumentFile(const std::string& name) {
    // The open document's own file is not matched: it is read again.
    if (!OnOpenDocument(name))
        return false;
    SetPathNameOf(name);
    return true;
}

bool CSorvatDoc::OpenRecentFile(int index) {
    const QStringList& files = m_recentFiles.Files();
    if (index < 0 || index >= files.size())
        return false;
    if (OpenDocumentFile(files.at(index)))
        return true;
    m_recentFiles.Remove(index);
    m_recentFiles.WriteList();
    emit recentFilesChanged(m_recentFiles.Files());
    return false;
}

void CSorvatDoc::OnFileSave() {
    // The document's own path may be older: a dropped file, a quick load of
    // another puzzle or the next problem of the queue change only
    // currentPath, and the title shows that one.
    const std::string current = g_pSettings != nullptr ? std::string(g_pSettings->CurrentPath())
                                                       : std::string();
    if (current.empty() || !sorvat::PuzzleFile::IsPuzzleFileName(current))
        SaveUnderAskedName();
    else if (OnSaveDocument(current))
        SetPathNameOf(current);
}

void CSorvatDoc::OnFileSaveAs() {
    SaveUnderAskedName();
}

QString CSorvatDoc::SaveSuggestion() const {
    // The file the title names; a name the dialog cannot show would come
    // back as a look-alike of it, so then only its directory.
    std::string current = g_pSettings != nullptr ? std::string(g_pSettings->CurrentPath()) : std::string();
    if (current.empty())
        return m_strTitle.isEmpty() ? QStringLiteral("Sorvat") : m_strTitle;
    if (!sorvat::PuzzleFile::IsPuzzleFileName(current))
        current = std::filesystem::path(current).replace_extension(".md2").string();
    if (EncodedPath(DecodedPath(current)) == current)
        return DecodedPath(current);
    const std::string directory = std::filesystem::path(current).parent_path().string();
    return EncodedPath(DecodedPath(directory)) == directory ? DecodedPath(directory) : QString();
}

bool CSorvatDoc::SaveUnderAskedName() {
    QWidget* owner = m_pView != nullptr ? m_pView->window() : nullptr;
    const QString suggestion = SaveSuggestion();
    const QString target = sorvat::AskSaveFileName(
        owner, tr("名前を付けて保存"), suggestion,
        tr("ﾅﾝﾊﾞｰﾌﾟﾚｰｽ (*.md1 *.md2)") + QStringLiteral(";;") + tr("すべてのﾌｧｲﾙ (*)"));
    if (target.isEmpty() || !OnSaveDocument(target))
        return false;
    SetPathName(target);
    return true;
}

void CSorvatDoc::ReportFileError(const std::string& name, bool saving, int error) const {
    const QString path = DecodedPath(name);
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    const QString text = saving
        ? tr("ファイルに保存できません。\r\n%1\r\n%2").arg(QDir::toNativeSeparators(path), reason)
        : tr("ファイルを開けません。\r\n%1\r\n%2").arg(QDir::toNativeSeparators(path), reason);
    sorvat::ShowMessageBox(m_pView, text, QStringLiteral("Sorvat"), sorvat::MessageButtons::Ok,
                           sorvat::MessageIcon::Warning);
}
