#include "Md2Queue.h"

#include "PuzzleInput.h"

#include <cerrno>
#include <cstring>

namespace sorvat::cli {

void PrepareQueueDirectory(const std::string& directory) {
    const std::string error = sorvat::PrepareQueueDirectory(directory);
    if (!error.empty()) throw CliError(error);
}

WriteResult WriteNew(const std::filesystem::path& target, const std::string& bytes) {
    switch (WriteNewQueueFile(target, bytes)) {
    case QueueWrite::Written: return WriteResult::Written;
    case QueueWrite::Exists: return WriteResult::Exists;
    case QueueWrite::Failed: break;
    }
    throw CliError(target.string() + ": cannot write: " + std::strerror(errno));
}

std::string WriteNext(const std::filesystem::path& directory, std::uint64_t& number, int digits,
                      const EntryList& locks) {
    std::string name = WriteNextQueueFile(directory, number, digits, locks);
    if (name.empty()) throw CliError(directory.string() + ": cannot write: " + std::strerror(errno));
    return name;
}

} // namespace sorvat::cli
