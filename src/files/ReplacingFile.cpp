#include "files/ReplacingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvat {

namespace {

namespace fs = std::filesystem;

// The file that a write to `target` should replace: symbolic links followed.
fs::path ResolveTarget(const fs::path& target) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        fs::path resolved = fs::weakly_canonical(target, error);
        if (!error)
            return resolved;
    }
    return target;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Open(const fs::path& requested, Mode openMode) {
    Discard();
    mode = openMode;
    target = mode == Mode::Replace ? ResolveTarget(requested) : requested;
    if (target.filename().empty()) {
        errno = EISDIR;
        return false;
    }

    mode_t permissions = NewFileMode();
    struct stat existing {};
    if (mode == Mode::CreateOnly && ::lstat(target.c_str(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    if (::stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            errno = EISDIR;
            return false;
        }
        if (::access(target.c_str(), W_OK) != 0)
            return false;
        permissions = existing.st_mode & 07777;
    }

    fs::path directory = target.parent_path();
    if (directory.empty())
        directory = ".";
    // A short name of its own, not one made from the target's: that would be
    // too long for a target whose name is near the limit of 255 bytes.
    std::string pattern = (directory / (std::string(TemporaryPrefix) + "XXXXXX")).string();
    const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0)
        return false;
    temporary = pattern;
    // Locked while it is in use (the lock outlives the stream until the
    // rename): a file of this name without the lock was left by a killed program.
    ::flock(descriptor, LOCK_EX);
    lock = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (::fchmod(descriptor, permissions) != 0 || (file = ::fdopen(descriptor, "wb")) == nullptr) {
        const int saved = errno;
        ::close(descriptor);
        ::unlink(temporary.c_str());
        temporary.clear();
        ReleaseLock();
        errno = saved;
        return false;
    }
    return true;
}

void ReplacingFile::ReleaseLock() {
    if (lock >= 0) ::close(lock);
    lock = -1;
}

bool ReplacingFile::Commit() {
    if (file == nullptr) {
        errno = EBADF;
        return false;
    }
    bool ok = std::fflush(file) == 0 && !std::ferror(file) && ::fsync(::fileno(file)) == 0;
    int saved = errno;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    file = nullptr;
    // A link fails instead of replacing a file that appeared meanwhile.
    if (ok && (mode == Mode::Replace ? ::rename(temporary.c_str(), target.c_str())
                                     : ::link(temporary.c_str(), target.c_str())) != 0) {
        ok = false;
        saved = errno;
    }
    if (ok && mode == Mode::CreateOnly) ::unlink(temporary.c_str());
    if (!ok) ::unlink(temporary.c_str());
    temporary.clear();
    ReleaseLock();
    errno = saved;
    return ok;
}

void ReplacingFile::Discard() {
    const int saved = errno;
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    if (!temporary.empty()) {
        ::unlink(temporary.c_str());
        temporary.clear();
    }
    ReleaseLock();
    errno = saved;
}

void RemoveAbandonedTemporaries(const fs::path& directory) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(ReplacingFile::TemporaryPrefix) || !entry.is_regular_file(error)) continue;
        const int descriptor = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) continue;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
        ::close(descriptor);
    }
}

bool ReplaceFileContents(const fs::path& target, std::string_view bytes, ReplacingFile::Mode mode) {
    ReplacingFile replacing;
    if (!replacing.Open(target, mode))
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), replacing.File()) != bytes.size()) {
        const int saved = errno;
        replacing.Discard();
        errno = saved;
        return false;
    }
    return replacing.Commit();
}

} // namespace sorvat
