#include "export/lo/OfficeProcess.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace sorvat {

namespace {

std::string TemporaryDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

// Settings the fresh profile starts with. A profile that never saw a newer
// version makes every start run the office's graphics self-tests (about ten
// seconds of work) because a headless office never records its version.
constexpr char ProfileSettings[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
    "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
    "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" oor:op=\"fuse\">"
    "<value>99.9</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Misc\"><prop oor:name=\"FirstRun\" oor:op=\"fuse\">"
    "<value>false</value></prop></item>\n"
    "</oor:items>\n";

bool SeedProfile(const std::string& profileDirectory) {
    std::error_code ec;
    const std::filesystem::path user = std::filesystem::path(profileDirectory) / "user";
    std::filesystem::create_directories(user, ec);
    if (ec) return false;
    std::ofstream settings(user / "registrymodifications.xcu", std::ios::binary);
    settings << ProfileSettings;
    return static_cast<bool>(settings);
}

std::string UniquePipeName() {
    static std::atomic<int> counter{0};
    return "sorvat_export_" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
}

} // namespace

OfficeProcess::OfficeProcess(std::string programDirectory) : m_programDirectory(std::move(programDirectory)) {}

OfficeProcess::~OfficeProcess() { Stop(std::chrono::milliseconds(0)); }

std::string OfficeProcess::ConnectUrl() const {
    return "uno:pipe,name=" + m_pipeName + ";urp;StarOffice.ComponentContext";
}

bool OfficeProcess::Start() {
    if (m_pid > 0) return true;
    const std::string program = m_programDirectory + "/soffice";
    if (::access(program.c_str(), X_OK) != 0) return false;

    std::string profile = TemporaryDirectory() + "/sorvat-office-XXXXXX";
    if (!::mkdtemp(profile.data())) return false;
    m_profileDirectory = profile;
    m_pipeName = UniquePipeName();
    if (!SeedProfile(m_profileDirectory)) {
        Stop(std::chrono::milliseconds(0));
        return false;
    }

    std::vector<std::string> args = {
        program,
        "--headless",
        "--invisible",
        "--norestore",
        "--nologo",
        "--nodefault",
        "--nolockcheck",
        "-env:UserInstallation=file://" + m_profileDirectory,
        "--accept=pipe,name=" + m_pipeName + ";urp;StarOffice.ComponentContext",
    };
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        Stop(std::chrono::milliseconds(0));
        return false;
    }
    m_pid = pid;
    return true;
}

bool OfficeProcess::IsRunning() {
    if (m_pid <= 0) return false;
    int status = 0;
    const pid_t rc = ::waitpid(m_pid, &status, WNOHANG);
    if (rc == 0) return true;
    if (rc == m_pid || (rc < 0 && errno == ECHILD)) {
        // The launcher ended; whatever it left in its group goes with it.
        ::kill(-m_pid, SIGKILL);
        m_pid = -1;
    }
    return false;
}

void OfficeProcess::Stop(std::chrono::milliseconds grace) {
    if (m_pid > 0) {
        const auto deadline = std::chrono::steady_clock::now() + grace;
        while (IsRunning() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (m_pid > 0) {
            ::kill(-m_pid, SIGKILL);
            int status = 0;
            while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
            }
            m_pid = -1;
        }
    }
    if (!m_profileDirectory.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_profileDirectory, ec);
        m_profileDirectory.clear();
    }
}

} // namespace sorvat
