#pragma once
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace sorvat {

// Writes a file so that a crash or a full disk in the middle leaves either
// the old file or the new one: the bytes go to a new file beside the target,
// which is flushed to disk and then renamed over the target. A symbolic link
// is followed, so the file it names is replaced; an existing file keeps its
// permissions, and one that may not be written is not replaced.
class ReplacingFile {
public:
    // The new file is named this prefix and six random characters, so a
    // file left behind by a killed program is recognisable.
    static constexpr std::string_view TemporaryPrefix = ".sorvat-";

    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    // Discards the new file unless Commit succeeded.
    ~ReplacingFile();

    // Replace: the new file takes the place of whatever is there.
    // CreateOnly: the commit fails with EEXIST when `target` exists by then.
    enum class Mode { Replace, CreateOnly };

    // Creates the new file beside `target`. False (errno set) when it cannot.
    bool Open(const std::filesystem::path& target, Mode mode = Mode::Replace);
    // The new file, open for binary writing; null before Open.
    std::FILE* File() const { return file; }
    // Flushes, closes and renames over the target. False (errno set, target
    // untouched, new file removed) when any step fails.
    bool Commit();
    // Closes and removes the new file.
    void Discard();

private:
    void ReleaseLock();

    std::FILE* file = nullptr;
    int lock = -1;  // holds the new file's lock until it is renamed or removed
    Mode mode = Mode::Replace;
    std::filesystem::path target;
    std::filesystem::path temporary;
};

// Removes the new files that killed programs left in `directory` (those no
// ReplacingFile holds). Never touches any other file.
void RemoveAbandonedTemporaries(const std::filesystem::path& directory);

// Replaces `target` with `bytes` in one step. False (errno set) on failure.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         ReplacingFile::Mode mode = ReplacingFile::Mode::Replace);

} // namespace sorvat
