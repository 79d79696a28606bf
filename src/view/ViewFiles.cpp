// Loading and saving puzzle files, and the current puzzle path.
#include "view/SorvatView.h"

#include "game/AnswerBoard.h"

#include "files/PuzzleFile.h"
#include "files/RegularFile.h"
#include "files/ReplacingFile.h"
#include "settings/Settings.h"
#include "view/FixedFiles.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <string_view>
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

std::string NamePart(const std::string& path) {
    return fs::path(path).filename().string();
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

void CSorvatView::LoadFrom(std::FILE* file, const std::string& path) {
    const std::string fullPath = FullPath(path);
    if (!IsFixedFile(fullPath)) {
        RecordCurrentPath(fullPath);
        if (m_pDocument != nullptr)
            m_pDocument->SetTitle();
    }

    const char* memo = nullptr;
    sorvat::PuzzleFile reader;
    reader.Read(file, NamePart(fullPath), m_moves, &memo);

    m_board.Analyze();
    RefreshAnswerBoard(m_moves, m_solutionMoves, m_solutionBoard);
    InvalidateBoard();

    m_pMemoHandoff->CloseWindow();
    m_pMemoHandoff->Publish(memo != nullptr ? memo : "");
}

bool CSorvatView::SaveTo(std::FILE* file, const std::string& path) {
    const std::string bytes = sorvat::PuzzleFile::Format(NamePart(path), m_moves);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
        return false;
    const std::string fullPath = FullPath(path);
    if (!IsFixedFile(fullPath))
        RecordCurrentPath(fullPath);
    return true;
}

bool CSorvatView::SaveReplacing(const std::string& path) {
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    // A failed save must leave currentPath as it was.
    std::array<char, sorvat::CurrentPathFieldSize> previousPath{};
    if (g_pSettings != nullptr)
        std::copy(std::begin(g_pSettings->currentPath), std::end(g_pSettings->currentPath),
                  previousPath.begin());

    sorvat::ReplacingFile replacing;
    if (!replacing.Open(path))
        return false;
    bool saved = SaveTo(replacing.File(), path);
    int error = errno;
    if (saved) {
        saved = replacing.Commit();
        error = errno;
    } else {
        replacing.Discard();
    }
    if (!saved && g_pSettings != nullptr)
        std::copy(previousPath.begin(), previousPath.end(), g_pSettings->currentPath);
    errno = error;
    return saved;
}
