#pragma once
#include "guisupport/ScriptedMessageBox.h"

#include "settings/Settings.h"
#include "view/Globals.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sorvat::test {

// The bytes of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A test in a fresh temporary directory that is also the current directory
// (where the quick and continue files go), with every message box scripted.
class TempDirFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tempDir.isValid());
        dir = std::filesystem::path(tempDir.path().toStdString());
        previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(previousDirectory);
        // By bytes: QTemporaryDir cannot remove names that are not UTF-8.
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    const std::vector<MessageBoxRequest>& Boxes() const { return boxes.Boxes(); }
    static std::string CurrentPath() { return std::string(g_pSettings->CurrentPath()); }
    static void ProcessEvents() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    QTemporaryDir tempDir;
    std::filesystem::path dir;
    std::filesystem::path previousDirectory;
    ScriptedMessageBox boxes;
};

} // namespace sorvat::test
