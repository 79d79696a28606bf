#pragma once
// Child processes of the tests: a part of a test that may hang (a FIFO) ends
// in a failure after ten seconds instead of stalling the tests, one that
// needs a full disk gets a file size limit that only the child feels; and
// the output of a helper program.
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sorvat::test {

// Runs `body` (returning an int) in a forked child whose files may not grow
// beyond `fileLimit` bytes (writes past it fail with EFBIG). Gives what
// `body` returned (0..99), or 100 + the signal that ended the child, so a
// hang gives 100 + SIGALRM. The child only touches files and the state it
// inherited, so forked window state is safe to use there.
template <typename Body>
int InChild(Body body, rlim_t fileLimit = RLIM_INFINITY) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{fileLimit, fileLimit};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        ::_exit(static_cast<int>(body()));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// The standard output of a shell command (empty when it cannot run).
inline std::string CommandOutput(const std::string& command) {
    std::string text;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

} // namespace sorvat::test
