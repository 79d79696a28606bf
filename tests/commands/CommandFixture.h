#pragma once
#include "PuzzleFixtures.h"
#include "guisupport/ScriptedMessageBox.h"

#include "files/PuzzleFile.h"
#include "settings/Settings.h"
#include "shell/MainFrame.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace sorvat::testing {

// A main frame with its view in a temporary directory that is also the
// current directory (where the quick and continue files go). Message boxes
// are scripted; the frame is published as g_pMainFrame.
class CommandFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tempDir.isValid());
        dir = std::filesystem::path(tempDir.path().toStdString());
        previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        frame = std::make_unique<CMainFrame>(dir);
        view = new CSorvatView;
        ASSERT_EQ(frame->OnCreate(view, nullptr, {QStringLiteral("sorvat")}), 0);
        view->ApplySettings();
    }

    void TearDown() override {
        frame->DestroyWindow();
        frame.reset();
        std::filesystem::current_path(previousDirectory);
    }

    Settings& settings() { return *g_pSettings; }
    const std::vector<MessageBoxRequest>& Boxes() const { return boxes.Boxes(); }

    // Writes a puzzle file of `list` (md1 or md2 by the name) into `directory`
    // (the temporary directory by default), optionally with a memo block.
    std::filesystem::path WritePuzzle(const std::string& name, const EntryList& list,
                                      const std::string& memo = {},
                                      const std::filesystem::path& directory = {}) {
        const std::filesystem::path path = (directory.empty() ? dir : directory) / name;
        std::ofstream out(path, std::ios::binary);
        out << PuzzleFile::Format(name, list);
        if (!memo.empty()) out << "M\r\n" << memo << "M\r\n";
        return path;
    }

    static EntryList Givens(std::string_view grid = EasyPuzzle) {
        EntryList list;
        AddGrid(list, grid, Lock);
        return list;
    }

    // Loads the easy puzzle's givens from a file and enters every answer as
    // a Fix entry.
    void PlaySolvedPuzzle(const std::string& name = "q1.md2") {
        view->LoadFile(WritePuzzle(name, Givens()).string());
        AddAnswers(view->m_moves, EasyPuzzle, EasySolution);
        view->m_board.Analyze();
    }

    std::string CurrentPath() const { return std::string(g_pSettings->CurrentPath()); }

    static void ProcessEvents() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    QTemporaryDir tempDir;
    std::filesystem::path dir;
    std::filesystem::path previousDirectory;
    test::ScriptedMessageBox boxes;
    std::unique_ptr<CMainFrame> frame;
    CSorvatView* view = nullptr;  // owned by the frame
};

} // namespace sorvat::testing
