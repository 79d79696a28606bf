#include "files/RegularFile.h"
#include "support/ChildProcess.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

// Only a regular file (also through a link) opens. A FIFO without a writer
// would block a plain open forever: the opens run in a child that fails
// after ten seconds instead.
TEST(RegularFile, OnlyRegularFilesOpenAndNothingBlocks) {
    TempDirectory dir;
    dir.Write("q.md1", "L115\r\n");
    fs::create_symlink("q.md1", dir / "link.md1");
    fs::create_directory(dir / "folder.md1");
    ASSERT_EQ(::mkfifo((dir / "pipe.md1").c_str(), 0600), 0);
    const struct {
        const char* name;
        int error;  // 0: opens
    } cases[] = {{"q.md1", 0}, {"link.md1", 0}, {"folder.md1", EISDIR}, {"pipe.md1", ENXIO}, {"gone.md1", ENOENT}};
    for (const auto& c : cases) {
        const int status = InChild([&] {
            errno = 0;
            std::FILE* file = OpenRegularFileForReading(dir / c.name);
            if (file == nullptr) return errno == c.error ? 0 : 1;
            char bytes[8] = {};
            const bool read = std::fread(bytes, 1, 4, file) == 4 && std::string(bytes) == "L115";
            std::fclose(file);
            return c.error == 0 && read ? 0 : 2;
        });
        EXPECT_EQ(status, 0) << c.name << (status == 100 + SIGALRM ? ": the open blocked" : "");
    }
}

} // namespace
} // namespace sorvat::test
