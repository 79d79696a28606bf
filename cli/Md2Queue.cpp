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

} // namespace sorvat::cli
