// Runs the GUI tests inside a QApplication. Everything kept per user (the
// recent-file list, the new-puzzle choices, the per-user state) goes to a
// home of this process's own: test processes run in parallel and must not
// share it, nor touch the real profile.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (home.isValid()) {
        const std::string path = home.path().toStdString();
        ::setenv("HOME", path.c_str(), 1);  // QStandardPaths' test mode lives in $HOME/.qttest
        ::setenv("XDG_CONFIG_HOME", (path + "/config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (path + "/data").c_str(), 1);
        ::setenv("XDG_STATE_HOME", (path + "/state").c_str(), 1);
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
