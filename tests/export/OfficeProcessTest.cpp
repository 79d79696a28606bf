// The office process helper against a stand-in "soffice" script, so the
// start, the arguments and the clean-up are checked without an office.
#ifdef SORVAT_HAVE_LIBREOFFICE
#include "support/TempDirectory.h"

#include "export/lo/OfficeProcess.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;
using sorvat::OfficeProcess;
using sorvat::test::ReadBytes;
using ::testing::HasSubstr;

namespace {

// True when the process is gone (or only a zombie waiting for its parent).
bool IsGone(int pid) {
    const std::string stat = ReadBytes("/proc/" + std::to_string(pid) + "/stat");
    if (stat.empty()) return true;
    const auto close = stat.rfind(')');
    return close != std::string::npos && stat.size() > close + 2 && stat[close + 2] == 'Z';
}

// Waits until the script has written the whole line, not just created the file.
bool WaitFor(const fs::path& path) {
    for (int i = 0; i < 1000; ++i) {
        const std::string line = ReadBytes(path);
        if (!line.empty() && line.back() == '\n') return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

class OfficeProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(programs.Path() / "program");
        // Records its arguments and what the profile holds, then starts a
        // child of its own and waits, as the office's launcher does.
        const fs::path script = programs.Path() / "program" / "soffice";
        std::ofstream(script) << "#!/bin/sh\n"
                                 "here=$(dirname \"$0\")\n"
                                 "for a in \"$@\"; do echo \"$a\"; done > \"$here/args\"\n"
                                 "for a in \"$@\"; do case \"$a\" in -env:UserInstallation=file://*)\n"
                                 "  ls \"${a#-env:UserInstallation=file://}/user\" > \"$here/profile\";; esac; done\n"
                                 "sleep 300 &\n"
                                 "echo $! > \"$here/child.pid\"\n"
                                 "wait\n";
        fs::permissions(script, fs::perms::owner_all);
        ::setenv("TMPDIR", profiles.Path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("TMPDIR"); }

    sorvat::test::TempDirectory programs;
    sorvat::test::TempDirectory profiles;
};

TEST_F(OfficeProcessTest, AMissingOfficeDoesNotStartAndLeavesNoProfileBehind) {
    OfficeProcess office((programs.Path() / "elsewhere").string());
    EXPECT_FALSE(office.Start());
    EXPECT_FALSE(office.IsRunning());
    EXPECT_TRUE(fs::is_empty(profiles.Path()));
}

TEST_F(OfficeProcessTest, StartsHeadlessWithItsOwnProfileAndPipe) {
    const fs::path dir = programs.Path() / "program";
    OfficeProcess office(dir.string());
    ASSERT_TRUE(office.Start());
    ASSERT_TRUE(WaitFor(dir / "child.pid"));
    EXPECT_TRUE(office.IsRunning());

    const std::string args = ReadBytes(dir / "args");
    EXPECT_THAT(args, HasSubstr("--headless\n"));
    EXPECT_THAT(args, HasSubstr("-env:UserInstallation=file://" + profiles.Path().string() + "/sorvat-office-"));
    EXPECT_THAT(office.ConnectUrl(), HasSubstr("uno:pipe,name=sorvat_export_"));
    const std::string pipe = office.ConnectUrl().substr(std::string("uno:pipe,name=").size());
    EXPECT_THAT(args, HasSubstr("--accept=pipe,name=" + pipe + "\n"));
    // The profile is seeded before the office sees it.
    EXPECT_EQ(ReadBytes(dir / "profile"), "registrymodifications.xcu\n");
}

TEST_F(OfficeProcessTest, StopDestructionOrTheProgramsDeathEndsTheWholeProcessGroup) {
    const fs::path dir = programs.Path() / "program";
    // The program killed during an export comes first: the export after it
    // removes the profile it left.
    for (const char* end : {"program killed", "Stop", "destruction"}) {
        SCOPED_TRACE(end);
        fs::remove(dir / "child.pid");
        int child = 0;
        if (end == std::string("program killed")) {
            const pid_t program = ::fork();
            if (program == 0) {
                OfficeProcess office(dir.string());
                if (office.Start()) ::pause();
                ::_exit(1);
            }
            ASSERT_TRUE(WaitFor(dir / "child.pid"));
            child = std::stoi(ReadBytes(dir / "child.pid"));
            ::kill(program, SIGKILL);
            ::waitpid(program, nullptr, 0);
        } else {
            OfficeProcess office(dir.string());
            ASSERT_TRUE(office.Start());
            ASSERT_TRUE(WaitFor(dir / "child.pid"));
            child = std::stoi(ReadBytes(dir / "child.pid"));
            EXPECT_FALSE(IsGone(child));
            if (end == std::string("Stop")) {
                office.Stop(std::chrono::milliseconds(100));
                EXPECT_FALSE(office.IsRunning());
            }
        }
        for (int i = 0; i < 1000 && !IsGone(child); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_TRUE(IsGone(child));
        EXPECT_EQ(fs::is_empty(profiles.Path()), end != std::string("program killed"));
    }
}

} // namespace
#endif
