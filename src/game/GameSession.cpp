#include "game/GameSession.h"

#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "files/PuzzleText.h"
#include "files/RegularFile.h"
#include "files/ReplacingFile.h"
#include "game/AnswerBoard.h"
#include "settings/Settings.h"

#include <cerrno>
#include <filesystem>

namespace sorvat {

namespace {

constexpr int FullBoard = 81;

// The buffer of the next-move search behind key A.
constexpr int KeyNextMoveBufferSize = 1010;

std::string NamePart(const std::string& path) { return std::filesystem::path(path).filename().string(); }

} // namespace

GameSession::GameSession() {
    m_board.entries = &m_moves;
    m_answer.entries = &m_givens;
    ConfigureAnswerBoard(m_answer);
}

ShownCell GameSession::Shown(int x, int y, int displayMode) const {
    return ShowCell(m_board.Cell(x, y), &m_answer.Cell(x, y), displayMode);
}

int GameSession::Listen(Listener listener) {
    m_listeners.emplace_back(m_nextListenerId, std::move(listener));
    return m_nextListenerId++;
}

void GameSession::Unlisten(int id) {
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

void GameSession::Notify(SessionChange change) const {
    // A listener may add or remove listeners; call the ones present now.
    const auto listeners = m_listeners;
    for (const auto& entry : listeners) entry.second(change);
}

void GameSession::ApplySettings(const Settings& settings) {
    m_board.repeatUntilStable = settings.repeatFlag;
    m_board.autoConfirm = settings.autoConfirmFlag;
    m_board.techniqueMask = 0;
    m_board.SetLevel(settings.analysisLevel);
    const int count = m_moves.Count();
    m_board.Analyze();  // auto-confirm adds entries
    BuildAnswerBoard(m_moves, m_givens, m_answer);
    m_settingsApplied = true;
    Notify({m_moves.Count() == count ? SessionChange::Board : SessionChange::Entries});
}

void GameSession::AutoConfirmOnce() {
    m_board.autoConfirm = 1;
    m_board.Analyze();
    BuildAnswerBoard(m_moves, m_givens, m_answer);
    m_board.Analyze();
    m_board.autoConfirm = 0;
    NotifyEntries();
}

bool GameSession::Full() const { return m_board.enteredCount == FullBoard; }

bool GameSession::TogglePossible(int x, int y, int d) {
    m_moves.Add(Entry(x, y, d, Possible));  // an equal mark is taken back instead
    m_board.SetPossibleAt(x, y, d, Toggle);
    Notify({SessionChange::Cell, x, y});
    return false;
}

bool GameSession::EnterFix(int x, int y, int d) {
    const SCell& cell = m_board.Cell(x, y);
    return PlayFix(x, y, cell.HasEntered() ? cell.enteredDigit : d);
}

bool GameSession::ReplaceFix(int x, int y, int d) { return PlayFix(x, y, d); }

bool GameSession::PlayFix(int x, int y, int digit) {
    // The list takes back an equal Fix, lets a Fix of another digit give
    // way and never lets a Fix replace a Lock.
    m_moves.Add(Entry(x, y, digit, Fix));
    m_board.Place(x, y, digit);
    m_board.Analyze();
    Notify({SessionChange::Cell, x, y});
    return Full();
}

bool GameSession::SwitchFixAndLock(int x, int y) {
    const SCell& cell = m_board.Cell(x, y);
    if (cell.HasEntered()) {
        const int digit = cell.enteredDigit;
        if (cell.IsLocked()) {
            m_moves.Add(Entry(x, y, digit, Lock));  // takes the Lock entry back
            m_moves.Add(Entry(x, y, digit, Fix));
        } else {
            m_moves.Add(Entry(x, y, digit, Lock));
        }
    }
    m_board.Analyze();
    RefreshAnswer();
    Notify({SessionChange::Cell, x, y});
    return Full();
}

bool GameSession::TakeBackFix(int x, int y) {
    const SCell& cell = m_board.Cell(x, y);
    if (!cell.HasEntered() || cell.IsLocked()) return false;
    return EnterFix(x, y, cell.enteredDigit);
}

void GameSession::FullReset() {
    m_board.ResetCells();
    m_moves.Clear();
    NotifyEntries();  // the answer board stays until the next puzzle is played
}

void GameSession::Reset() {
    m_moves.KeepLocks();
    m_board.Analyze();
    RefreshAnswer();
    NotifyEntries();
}

bool GameSession::Undo() {
    const int position = m_moves.Position();
    if (position == 0 || m_moves.At(position - 1).kind == Lock) return false;
    m_moves.Undo();
    Replay();
    return true;
}

bool GameSession::Redo() {
    if (m_moves.Position() >= m_moves.Count()) return false;
    m_moves.Redo();
    Replay();
    return true;
}

void GameSession::Replay() {
    m_board.ResetCells();
    const int position = m_moves.Position();
    for (int i = 0; i < position; ++i) {
        const Entry entry = m_moves.At(i);
        if (entry.kind == Possible)
            m_board.SetPossibleAt(entry.x, entry.y, entry.digit, Toggle);
        else if (entry.kind == Fix)
            m_board.Place(entry.x, entry.y, entry.digit);
    }
    m_board.Analyze();
    NotifyEntries();
}

void GameSession::RefreshAnswer() { RefreshAnswerBoard(m_moves, m_givens, m_answer); }

void GameSession::LockAll() {
    sorvat::LockAll(m_board, m_moves);
    m_board.Analyze();
    RefreshAnswer();
    NotifyEntries();
}

void GameSession::CopyAnalysisToSelf() {
    sorvat::CopyAnalysisToSelf(m_board, m_moves);
    m_board.Analyze();
    NotifyEntries();
}

EraseOutcome GameSession::EraseWrongFix() {
    const EraseOutcome outcome = sorvat::EraseWrongFix(m_moves, m_board, m_givens, m_answer);
    if (outcome.kind == EraseOutcome::Erased) {
        m_board.Analyze();
        NotifyEntries();
    }
    return outcome;
}

MoveHint GameSession::NextMove(int bufferSize) { return FindNextMove(m_board, bufferSize); }

MoveHint GameSession::ApplyNextMove() {
    const MoveHint hint = FindNextMove(m_board, KeyNextMoveBufferSize);
    if (!hint.Found()) return hint;
    // The answer of the cell, not the hinted digit; an undetermined answer
    // is refused by Add.
    const int x = hint.move.x, y = hint.move.y;
    m_moves.Add(Entry(x, y, m_answer.Cell(x, y).solvedDigit, Fix));
    m_board.Analyze();
    Notify({SessionChange::Cell, x, y});
    return hint;
}

AnswerVerdict GameSession::Verdict() const { return JudgeAnswer(m_moves, m_board); }

void GameSession::Start(const EntryList& givens) {
    m_moves = givens;
    m_board.Analyze();
    RefreshAnswer();
    NotifyEntries();
}

const char* GameSession::Read(std::FILE* file, const std::string& fileName) {
    const char* memo = nullptr;
    PuzzleFile reader;
    reader.Read(file, NamePart(fileName), m_moves, &memo);
    m_board.Analyze();
    RefreshAnswer();
    NotifyEntries();
    return memo != nullptr ? memo : "";
}

std::string GameSession::FileBytes(const std::string& fileName) const {
    return PuzzleFile::Format(NamePart(fileName), m_moves);
}

bool GameSession::IsPuzzleOfFile(const std::string& path) const {
    std::FILE* file = path.empty() ? nullptr : OpenRegularFileForReading(path);
    if (file == nullptr) return false;
    EntryList locks;
    // A puzzle text is played from its first puzzle; a file of another name
    // without one is read as md1, as the window opens it.
    std::vector<std::string> text;
    if (!PuzzleFile::IsPuzzleFileName(path)) text = ReadPuzzleText(file, 1).puzzles;
    if (!text.empty()) {
        locks = LocksFromPuzzle(text.front());
    } else {
        std::rewind(file);
        EntryList entries;
        PuzzleFile().Read(file, NamePart(path), entries);
        locks.CopyLocksFrom(entries);
    }
    std::fclose(file);
    // An md2 picture holds the Lock digits whatever their order.
    return PuzzleFile::Format("givens.md2", locks) == PuzzleFile::Format("givens.md2", m_givens);
}

bool GameSession::Save(const std::string& path) const {
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    return ReplaceFileContents(path, FileBytes(path));
}

} // namespace sorvat
