#include "export/lo/OfficeProcess.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
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

constexpr char ProfilePrefix[] = "sorvat-office-";
constexpr char PipePrefix[] = "sorvat_export_";
// Where the office makes the socket of a named pipe.
constexpr char PipeDirectory[] = "/tmp";

std::string UniquePipeName() {
    static std::atomic<int> counter{0};
    return PipePrefix + std::to_string(::getpid()) + "_" + std::to_string(counter++);
}

bool IsAlive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Removes the entries of `directory` named `prefix`<pid>... whose program has
// ended: what an export left behind when its program was killed.
void RemoveLeftoversOfEndedPrograms(const std::string& directory, const std::string& prefix) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(directory, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        char* end = nullptr;
        const long pid = std::strtol(name.c_str() + prefix.size(), &end, 10);
        if (pid <= 0 || end == name.c_str() + prefix.size() || (*end != '-' && *end != '_')) continue;
        if (IsAlive(static_cast<pid_t>(pid))) continue;
        std::error_code ignored;
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

// The descriptor the watchdog keeps its end of the lifeline on.
constexpr int LifelineDescriptor = 3;

void CloseDescriptorsFrom(int first, int limit) {
    if (::close_range(static_cast<unsigned>(first), ~0U, 0) == 0) return;
    for (int fd = first; fd < limit; ++fd) ::close(fd);
}

// The office's watchdog, the first child and leader of the office's process
// group. It starts the office and ends the whole group once the office has
// ended or the program has closed its end of the lifeline, which the system
// does when the program dies in whatever way (SIGKILL, a crash). It runs in
// a child forked from a threaded program: system calls only.
[[noreturn]] void RunWatchdog(int lifeline, const char* program, char* const argv[], int descriptorLimit) {
    ::setpgid(0, 0);
    if (lifeline != LifelineDescriptor) ::dup2(lifeline, LifelineDescriptor);
    ::fcntl(LifelineDescriptor, F_SETFD, FD_CLOEXEC);
    const int null = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd < 3 && null >= 0; ++fd) ::dup2(null, fd);
    // Inherited copies of other lifelines would keep other watchdogs waiting.
    CloseDescriptorsFrom(LifelineDescriptor + 1, descriptorLimit);

    const pid_t office = ::fork();
    if (office == 0) {
        ::execve(program, argv, environ);
        ::_exit(127);
    }
    if (office > 0) {
        pollfd watch{LifelineDescriptor, POLLIN, 0};
        int status = 0;
        while (::waitpid(office, &status, WNOHANG) == 0) {
            const int ready = ::poll(&watch, 1, 50);
            if (ready > 0 || (ready < 0 && errno != EINTR)) break;
        }
    }
    ::kill(0, SIGKILL);  // the group, the watchdog itself last
    ::_exit(1);
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

    // A program killed during an export could not clean up after itself.
    RemoveLeftoversOfEndedPrograms(TemporaryDirectory(), ProfilePrefix);
    RemoveLeftoversOfEndedPrograms(PipeDirectory, "OSL_PIPE_" + std::to_string(::getuid()) + "_" + PipePrefix);

    std::string profile = TemporaryDirectory() + "/" + ProfilePrefix + std::to_string(::getpid()) + "-XXXXXX";
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

    int lifeline[2];
    if (::pipe2(lifeline, O_CLOEXEC) != 0) {
        Stop(std::chrono::milliseconds(0));
        return false;
    }
    const long openMax = ::sysconf(_SC_OPEN_MAX);
    const int descriptorLimit = openMax > 0 && openMax < 65536 ? static_cast<int>(openMax) : 65536;
    const pid_t pid = ::fork();
    if (pid == 0) RunWatchdog(lifeline[0], program.c_str(), argv.data(), descriptorLimit);
    ::close(lifeline[0]);
    if (pid < 0) {
        ::close(lifeline[1]);
        Stop(std::chrono::milliseconds(0));
        return false;
    }
    ::setpgid(pid, pid);  // also here, so that the group exists before Stop can signal it
    m_pid = pid;
    m_lifeline = lifeline[1];
    return true;
}

bool OfficeProcess::IsRunning() {
    if (m_pid <= 0) return false;
    int status = 0;
    const pid_t rc = ::waitpid(m_pid, &status, WNOHANG);
    if (rc == 0) return true;
    if (rc == m_pid || (rc < 0 && errno == ECHILD)) {
        // The watchdog ended; whatever is left in its group goes with it.
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
    if (m_lifeline >= 0) {
        ::close(m_lifeline);
        m_lifeline = -1;
    }
    if (!m_profileDirectory.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_profileDirectory, ec);
        m_profileDirectory.clear();
    }
}

} // namespace sorvat
