// The md1/md2 reader on arbitrary bytes, followed by what a load does next:
// the working board and the answer board are analysed from what was read.
// Input: one control byte (format, memo, analysis settings), then the file.
#include "game/AnswerBoard.h"
#include "FuzzChecks.h"

#include "files/PuzzleFile.h"
#include "model/CellBoard.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

using namespace sorvat;
using sorvat::fuzz::Check;

namespace {

void CheckMemo(bool asked) {
    const char* memo = MemoBuffer();
    // Bytes past the memo's capacity are never written: the text stays
    // NUL-terminated whatever the file holds.
    for (std::size_t i = MemoCapacity; i < MemoBufferSize; ++i) Check(memo[i] == '\0', "memo terminator");
    if (!asked)
        for (std::size_t i = 0; i < MemoCapacity; ++i) Check(memo[i] == '\0', "memo without a request");
}

void CheckBoard(const CellBoard& b) {
    Check(b.solvedCount >= 0 && b.solvedCount <= 81, "solvedCount");
    Check(b.enteredCount >= 0 && b.enteredCount <= 81, "enteredCount");
    for (const auto& row : b.cells)
        for (const SCell& c : row) {
            Check(c.solvedDigit == NoDigit || (c.solvedDigit >= 0 && c.solvedDigit <= 8), "solvedDigit");
            Check(c.enteredDigit == NoDigit || (c.enteredDigit >= 0 && c.enteredDigit <= 8), "enteredDigit");
            Check(c.candidateCount >= 0 && c.candidateCount <= 9, "candidateCount");
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t control = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool md2 = control & 1;
    const bool askMemo = control & 2;
    const int level = (control >> 2) % 10;
    const bool repeat = control & 0x40;
    const bool autoConfirm = control & 0x80;
    const char* name = md2 ? "q.md2" : "q.md1";

    // An empty file leaves the list as it was.
    EntryList list;
    list.Add(Entry(4, 4, 4, Lock));
    list.Add(Entry(0, 0, 0, Possible));
    const EntryList before = list;
    PuzzleFile reader;
    const char* memo = nullptr;
    const int result = reader.ReadBytes(bytes, name, list, askMemo ? &memo : nullptr);
    CheckMemo(askMemo);
    if (bytes.empty()) {
        Check(result == 2, "empty file gives 2");
        Check(test::EntriesInEffect(list) == test::EntriesInEffect(before), "empty file keeps the entries");
        return 0;
    }
    Check(result == 0, "read gives 0");
    Check(!askMemo || memo == MemoBuffer(), "memo reference");
    fuzz::CheckEntryList(list);
    Check(list.Position() == list.Count(), "a read list has no redo tail");
    if (md2)
        for (int i = 0; i < list.Count(); ++i) Check(list.At(i).kind == Lock, "md2 gives Locks only");

    // What the program writes it reads back unchanged (md1: every entry in
    // effect; md2: the Locks, by row and column).
    EntryList again;
    PuzzleFile().ReadBytes(PuzzleFile::Format("back.md1", list), "back.md1", again);
    Check(test::EntriesInEffect(list) == test::EntriesInEffect(again), "md1 round trip");
    EntryList locks;
    PuzzleFile().ReadBytes(PuzzleFile::Format("back.md2", list), "back.md2", locks);
    EntryList lockCopy;
    lockCopy.CopyLocksFrom(list);
    Check(locks.Position() == lockCopy.Position(), "md2 round trip keeps every Lock");

    auto board = std::make_unique<CellBoard>();
    board->entries = &list;
    board->SetLevel(level);
    board->repeatUntilStable = repeat ? 1 : 0;
    board->autoConfirm = autoConfirm ? 1 : 0;
    Check(board->Analyze() == 0, "Analyze with a list gives 0");
    CheckBoard(*board);
    fuzz::CheckEntryList(list);

    // The answer board and the next-move search are the slow parts; each
    // runs for half of the inputs so that the reader gets more executions.
    if (!repeat) return 0;
    auto answer = std::make_unique<CellBoard>();
    AnalyzeGivens(lockCopy, *answer);
    CheckBoard(*answer);
    fuzz::CheckEntryList(lockCopy);

    if (autoConfirm) return 0;
    char text[NextMoveBufferSize];
    std::memset(text, 0x55, sizeof text);
    const int length = board->NextMove(text, sizeof text);
    Check(length >= 0 && length < NextMoveBufferSize, "NextMove length");
    return 0;
}
