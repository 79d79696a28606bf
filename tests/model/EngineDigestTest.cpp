// The analysis keeps its results cell by cell while it is made faster: the
// digests of every position and setting (see support/EngineDigest.h) must
// equal those recorded from the engine before its speed work.
#include "support/EngineDigest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

using namespace sorvat::test;

namespace {

std::map<std::string, std::string> RecordedDigests() {
    std::map<std::string, std::string> digests;
    std::ifstream in(std::string(SORVAT_TEST_DATA) + "/engine-digests.txt");
    std::string line;
    while (std::getline(in, line)) {
        const auto blank = line.find(' ');
        if (line.empty() || line[0] == '#' || blank == std::string::npos) continue;
        digests[line.substr(0, blank)] = line.substr(blank + 1);
    }
    return digests;
}

void ExpectRecordedDigests(const std::string& file) {
    const auto recorded = RecordedDigests();
    const auto puzzles = ReadDigestPuzzles(std::string(SORVAT_TEST_DATA) + "/" + file, 1 << 30);
    ASSERT_FALSE(puzzles.empty());
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        const auto positions = DigestPositions(puzzles[n]);
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const std::string key = file + ":" + std::to_string(n) + ":" + std::to_string(k);
            const auto found = recorded.find(key);
            ASSERT_NE(found, recorded.end()) << key << " has no recorded digest";
            char digest[17];
            std::snprintf(digest, sizeof digest, "%016llx",
                          static_cast<unsigned long long>(DigestOfPosition(positions[k])));
            EXPECT_EQ(digest, found->second) << "the analysis results changed at " << key;
        }
    }
}

} // namespace

TEST(EngineDigest, QqwingPuzzlesGiveTheRecordedResults) { ExpectRecordedDigests("qqwing.txt"); }

TEST(EngineDigest, TrialPuzzlesGiveTheRecordedResults) { ExpectRecordedDigests("hard.txt"); }
