#pragma once
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace sorvat::test {

inline std::string Quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built sorvat-cli with `args` (already quoted for the shell),
// optionally with a file as standard input.
inline CliRun RunCli(const TempDirectory& scratch, const std::string& args, const std::string& input = "") {
    const auto out = scratch / "stdout.txt";
    const auto err = scratch / "stderr.txt";
    std::string command = Quoted(SORVAT_CLI) + " " + args + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    command += input.empty() ? " </dev/null" : " <" + Quoted(input);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The puzzles, one a line.
inline std::string PuzzlesOf(const std::vector<PuzzleCase>& cases) {
    std::string text;
    for (const auto& c : cases) text += c.puzzle + "\n";
    return text;
}

} // namespace sorvat::test
