// The whole program started on a settings file of random bytes, of the wrong
// size or that is a directory: the window comes up, draws in every mode,
// plays and closes; what it writes at exit is a whole record with a level in
// range (a directory is left alone).
#include "guisupport/WindowFixture.h"

#include "shell/CommandIds.h"

#include <random>

namespace sorvat::test {
namespace {

class BadSettingsStartup : public WindowFixture {
protected:
    // Starts, draws in the three modes, plays a little and closes.
    void RunOnce() {
        Start();
        LoadGivens();
        for (int mode = 0; mode < 3; ++mode) {
            frame->OnCommand(mode == 0 ? IDC_MODE_SELF : mode == 1 ? IDC_MODE_HINT : IDC_MODE_ANALYSIS);
            Click(Qt::RightButton, SquareCentre(2, 0, 3));
            ASSERT_FALSE(Render().isNull());
        }
        frame->close();
        ProcessEvents();
        app.reset();
    }
};

TEST_F(BadSettingsStartup, RandomAndWronglySizedFilesStartAndEndWithAWholeRecord) {
    std::mt19937 random(4100);
    for (std::size_t size : {4100u, 4100u, 4100u, 3u, 90u, 9000u}) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        WriteBytes(dir / "Sorvat.ini", bytes);
        RunOnce();
        const std::string written = ReadBytes(dir / "Sorvat.ini");
        ASSERT_EQ(written.size(), SettingsSize) << "size " << size;
        Settings settings;
        settings.OverlayBytes(written);
        EXPECT_GE(settings.analysisLevel, 0);
        EXPECT_LE(settings.analysisLevel, 9);
    }
}

TEST_F(BadSettingsStartup, DirectoryInPlaceOfTheSettingsFileIsLeftAlone) {
    std::filesystem::create_directory(dir / "Sorvat.ini");
    RunOnce();
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Sorvat.ini"));
}

} // namespace
} // namespace sorvat::test
