#pragma once
#include "files/QueueFiles.h"

#include <filesystem>
#include <string>

// The queue directory of import and generate, with failures as CliError.
namespace sorvat::cli {

using sorvat::DigitsFor;
using sorvat::LargestNumberIn;
using sorvat::NumberedName;

// Creates the directory when missing; throws CliError when files cannot be
// created in it.
void PrepareQueueDirectory(const std::string& directory);

enum class WriteResult { Written, Exists };

// Writes a new file (see WriteNewQueueFile); throws CliError when it fails.
WriteResult WriteNew(const std::filesystem::path& target, const std::string& bytes);

// Writes the next numbered file (see WriteNextQueueFile); throws CliError
// when it cannot.
std::string WriteNext(const std::filesystem::path& directory, std::uint64_t& number, int digits,
                      const EntryList& locks);

} // namespace sorvat::cli
