#pragma once
// Tests of unreadable files and read-only directories also run as root: a
// child process (see ChildProcess.h) gives up the capabilities that let root
// ignore file permissions.
#include <fcntl.h>
#include <linux/capability.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace sorvat::test {

// Gives up those capabilities for good (effective and permitted, so that
// access() binds too).
inline void DropPermissionOverride() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    constexpr unsigned Override = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
    data[0].effective &= ~Override;
    data[0].permitted &= ~Override;
    ::syscall(SYS_capset, &header, data);
}

// Whether this process may open `path` for reading.
inline bool CanRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

} // namespace sorvat::test
