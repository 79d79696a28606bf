#pragma once
#include "model/EntryList.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace sorvat {

constexpr std::size_t MemoBufferSize = 65536;
constexpr std::size_t MemoCapacity = 65526;

// The memo of the most recent read on this thread (NUL-terminated).
// Every read clears it first; it stays valid until the next read.
char* MemoBuffer();

// Reads and writes puzzle files: md1 (every entry in effect) and md2 (the
// Lock digits as a 9x9 picture). The format follows the file name alone.
class PuzzleFile {
public:
    // Names ending in .md1, .md2 or either, in any case.
    static bool IsMd1Name(std::string_view fileName);
    static bool IsMd2Name(std::string_view fileName);
    static bool IsPuzzleFileName(std::string_view fileName);

    // Reads an open file from its current position to its end. Returns 0 when
    // loaded, 2 when the file is empty (the list is left as it was).
    int Read(std::FILE* file, std::string_view fileName, EntryList& list, const char** memo = nullptr);
    // The same on bytes already in memory.
    int ReadBytes(std::string_view bytes, std::string_view fileName, EntryList& list,
                  const char** memo = nullptr);

    // Writes the entries in effect; write failures are not reported.
    void Write(std::FILE* file, std::string_view fileName, const EntryList& list);
    // The bytes Write would write.
    static std::string Format(std::string_view fileName, const EntryList& list);

private:
    class Reader;
    void ParseLine(std::string& line);

    EntryList* entries = nullptr;
    bool isMd2 = false;
    int md2Row = 0;
};

} // namespace sorvat
