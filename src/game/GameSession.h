#pragma once
#include "game/AnswerVerdict.h"
#include "game/BoardRules.h"
#include "game/MoveHint.h"
#include "game/ShownCell.h"
#include "model/CellBoard.h"
#include "model/EntryList.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace sorvat {

struct Settings;

// What a change of the session touched; every listener hears every change.
struct SessionChange {
    enum Kind {
        Cell,     // one cell was played (the analysis may change other cells too)
        Board,    // the boards were analysed anew; the entries are the same
        Entries,  // the entries changed as a whole (load, reset, undo, a board command)
    };
    Kind kind = Entries;
    int x = -1;  // the cell played (Cell only)
    int y = -1;
    bool EntriesChanged() const { return kind != Board; }
};

// One game: the working entries and their board (what the player sees,
// analysed at the chosen level), the answer entries and their board (the
// Locks only, analysed as the answer board), undo and redo, and the rules
// that change them. Keeping both boards in step is this class's job; the
// window, the command line and the tests only call it and listen.
class GameSession {
public:
    using Listener = std::function<void(const SessionChange&)>;

    GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // ---- State ----
    const EntryList& Moves() const { return m_moves; }
    const CellBoard& Board() const { return m_board; }
    const EntryList& Givens() const { return m_givens; }
    const CellBoard& Answer() const { return m_answer; }
    // What the board shows of cell (x, y) in a display mode.
    ShownCell Shown(int x, int y, int displayMode) const;

    // ---- Listeners ----
    // Returns an id for Unlisten.
    int Listen(Listener listener);
    void Unlisten(int id);

    // ---- Analysis settings ----
    // The level, repetition and auto-confirm of the settings record go to the
    // working board; both boards are analysed anew.
    void ApplySettings(const Settings& settings);
    bool SettingsApplied() const { return m_settingsApplied; }
    // Analyses with auto-confirm on, whatever the settings say, and leaves it
    // off afterwards.
    void AutoConfirmOnce();

    // ---- Play on one cell (buttons and keys) ----
    // Each returns true when the working board is full afterwards, which
    // makes the answer check due.
    // Toggles the Possible mark of digit d; no analysis, never due.
    bool TogglePossible(int x, int y, int d);
    // Enters digit d as Fix. On a filled cell the digit it shows is meant, so
    // its own Fix is taken back and a Lock refuses the entry.
    bool EnterFix(int x, int y, int d);
    // Enters digit d as Fix where the typed digit is meant (the digit keys):
    // a Fix of another digit gives way to it in one entry, a Fix of d is
    // taken back, and a Lock refuses the entry.
    bool ReplaceFix(int x, int y, int d);
    // Turns the cell's Fix into a Lock and a Lock back into a Fix (nothing on
    // an empty cell); the answer board follows the new givens.
    bool SwitchFixAndLock(int x, int y);
    // Takes back the cell's Fix; an empty cell and a Lock are left alone.
    bool TakeBackFix(int x, int y);

    // ---- Resets, undo and redo ----
    // Clears every entry and the working board; the answer board is kept.
    void FullReset();
    // Keeps the Locks only.
    void Reset();
    // False when there is nothing to undo (or the entry before the undo
    // point is a Lock) or to redo.
    bool Undo();
    bool Redo();

    // ---- Board commands ----
    void LockAll();
    void CopyAnalysisToSelf();
    EraseOutcome EraseWrongFix();
    // The next move and its explanation; the board is analysed again.
    MoveHint NextMove(int bufferSize = NextMoveBufferSize);
    // Key A: enters the answer of the cell the next move names as a Fix
    // (refused while the answer board has no digit there). Never makes the
    // answer check due. Returns the hint it followed (not Found: nothing done).
    MoveHint ApplyNextMove();
    // The verdict on the working board (meant for a full board).
    AnswerVerdict Verdict() const;

    // ---- Puzzles and files ----
    // Plays `givens` as a new puzzle.
    void Start(const EntryList& givens);
    // Reads an open puzzle file (md1 or md2 by `fileName`) into the working
    // entries. Returns the file's memo (code page 932, valid until the next
    // read on this thread; empty when it has none).
    const char* Read(std::FILE* file, const std::string& fileName);
    // The bytes of the puzzle file `fileName` (md1 or md2) of the entries in effect.
    std::string FileBytes(const std::string& fileName) const;
    // Writes FileBytes into `path`, replacing it in one step. False with
    // errno set when it could not be written; the file is then unchanged.
    bool Save(const std::string& path) const;
    // True when the puzzle file `path` holds the same givens (Lock entries in
    // effect) as the session, or for a puzzle text (any name but .md1 and
    // .md2) its first puzzle does; false when it cannot be read.
    bool IsPuzzleOfFile(const std::string& path) const;

private:
    // Adds a Fix of d at (x, y) as the entry list takes it, then analyses.
    bool PlayFix(int x, int y, int d);
    void Replay();
    void RefreshAnswer();
    bool Full() const;
    void Notify(SessionChange change) const;
    void NotifyEntries() const { Notify({SessionChange::Entries}); }

    EntryList m_moves;   // the working entries; the position is the undo point
    CellBoard m_board;   // refers to m_moves
    EntryList m_givens;  // the Lock entries of m_moves
    CellBoard m_answer;  // refers to m_givens; level 9
    bool m_settingsApplied = false;
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextListenerId = 1;
};

} // namespace sorvat
