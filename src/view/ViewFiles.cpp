// Loading and saving puzzle files, and the current puzzle path.
#include "view/SorvatView.h"

#include "files/PuzzleFile.h"
#include "files/RegularFile.h"
#include "settings/Settings.h"
#include "view/FixedFiles.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"

#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

std::string FullPath(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    if (error)
        return path;
    return absolute.lexically_normal().string();
}

} // namespace

void CSorvatView::RecordCurrentPath(const std::string& path) {
    if (g_pSettings == nullptr)
        return;
    // Kept as the file system names it: "\\" is an ordinary character here.
    g_pSettings->SetCurrentPath(FullPath(path));
}

void CSorvatView::LoadFile(const std::string& name) {
    // A directory opens for reading here, but is no puzzle file.
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(name), error);
    if (name.empty() || error || !fs::exists(status) || fs::is_directory(status))
        return;
    // Only regular files: opening a FIFO would wait for a writer forever.
    std::FILE* file = sorvat::OpenRegularFileForReading(name);
    if (file == nullptr)
        return;
    LoadFrom(file, FullPath(name));
    std::fclose(file);
}

void CSorvatView::SaveFile(const std::string& name) {
    SaveReplacing(name);
}

bool CSorvatView::LoadFrom(std::FILE* file, const std::string& path) {
    const std::string fullPath = FullPath(path);
    if (!IsFixedFile(fullPath) && !sorvat::PuzzleFile::IsPuzzleFileName(fullPath))
        return LoadPuzzleText(file, fullPath);
    LoadPuzzleFile(file, fullPath);
    return true;
}

void CSorvatView::LoadPuzzleFile(std::FILE* file, const std::string& fullPath) {
    if (!IsFixedFile(fullPath)) {
        RecordCurrentPath(fullPath);
        if (m_pDocument != nullptr)
            m_pDocument->SetTitle();
    }
    const char* memo = m_session.Read(file, fullPath);
    m_pMemoHandoff->CloseWindow();
    m_pMemoHandoff->Publish(memo);
}

bool CSorvatView::SaveTo(std::FILE* file, const std::string& path) {
    const std::string bytes = m_session.FileBytes(path);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
        return false;
    const std::string fullPath = FullPath(path);
    if (!IsFixedFile(fullPath))
        RecordCurrentPath(fullPath);
    return true;
}

bool CSorvatView::SaveReplacing(const std::string& path) {
    if (!m_session.Save(path))
        return false;
    const std::string fullPath = FullPath(path);
    if (!IsFixedFile(fullPath))
        RecordCurrentPath(fullPath);
    return true;
}

void CSorvatView::PlayWithoutFile(const sorvat::EntryList& givens) {
    if (g_pSettings != nullptr)
        g_pSettings->SetCurrentPath("");
    if (m_pDocument != nullptr)
        m_pDocument->OnFileNew();  // the title says there is no file
    m_session.Start(givens);
    m_pMemoHandoff->CloseWindow();
}
