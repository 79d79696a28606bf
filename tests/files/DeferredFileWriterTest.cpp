#include "files/DeferredFileWriter.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <thread>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A burst of posts is one write of the last bytes; Stop drops what is not
// written yet; on its own the writer writes once the delay has passed.
TEST(DeferredFileWriter, WritesTheNewestBytesOncePerBurstOffTheCallersThread) {
    TempDirectory dir;
    const fs::path target = dir / "continue.md1";
    {
        DeferredFileWriter writer(target, 1h);
        for (int i = 0; i < 50; ++i) writer.Post("entries " + std::to_string(i));
        EXPECT_FALSE(fs::exists(target));
        writer.Flush();
        EXPECT_EQ(ReadBytes(target), "entries 49");
        EXPECT_EQ(writer.Writes(), 1);
        writer.Post("dropped");
        writer.Stop();
        writer.Post("after the end");
    }
    EXPECT_EQ(ReadBytes(target), "entries 49");

    DeferredFileWriter writer(target, 20ms);
    writer.Post("soon");
    for (int i = 0; i < 500 && writer.Writes() == 0; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_EQ(ReadBytes(target), "soon");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);  // nothing left beside it
}

} // namespace
} // namespace sorvat::test
