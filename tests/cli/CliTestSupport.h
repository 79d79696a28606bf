#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>

namespace sorvat::test {

// A fresh directory for one test, removed with everything in it afterwards.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = ::testing::TempDir() + "sorvat-cli-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
        path = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string Write(const std::string& name, const std::string& bytes) const {
        const auto file = path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

    std::filesystem::path path;
};

inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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
inline CliRun RunCli(const ScratchDirectory& scratch, const std::string& args, const std::string& input = "") {
    const auto out = scratch.path / "stdout.txt";
    const auto err = scratch.path / "stderr.txt";
    std::string command = Quoted(SORVAT_CLI) + " " + args + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    command += input.empty() ? " </dev/null" : " <" + Quoted(input);
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(out);
    run.err = ReadText(err);
    return run;
}

inline std::string DataFile(const std::string& name) { return std::string(SORVAT_TEST_DATA) + "/" + name; }

} // namespace sorvat::test
