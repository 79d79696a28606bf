#pragma once
#include <chrono>
#include <string>
#include <sys/types.h>

namespace sorvat {

// One headless LibreOffice process of our own: its own profile directory and
// its own pipe name. The office runs in a process group of its own under a
// watchdog, so ending it also ends the office's child processes, and the
// watchdog ends them all when this program dies in whatever way. Destruction
// ends it.
class OfficeProcess {
public:
    // programDirectory holds "soffice" (e.g. /usr/lib/libreoffice/program).
    explicit OfficeProcess(std::string programDirectory);
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // Starts the office; false when it is not installed or cannot start.
    bool Start();
    bool IsRunning();
    // The UNO URL to resolve the office's component context through.
    std::string ConnectUrl() const;
    // Waits for the office to end by itself, then ends it by force; reaps
    // the process and removes the profile directory.
    void Stop(std::chrono::milliseconds grace);

private:
    std::string m_programDirectory;
    std::string m_profileDirectory;
    std::string m_pipeName;
    pid_t m_pid = -1;     // the watchdog, leader of the office's process group
    int m_lifeline = -1;  // our end of the pipe the watchdog waits on
};

} // namespace sorvat
