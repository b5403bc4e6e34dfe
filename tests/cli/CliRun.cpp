#include "CliRun.h"

#include <cstdio>

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace zephra::test {

namespace {

void Redirect(const std::string& path, int flags, int target) {
    const int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0 || ::dup2(fd, target) < 0) {
        ::_exit(127);
    }
    ::close(fd);
}

} // namespace

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TWineRec RecordIn(const std::string& path) {
    const std::string bytes = FileBytes(path);
    TWineRec rec{};
    EXPECT_TRUE(bytes.size() >= WineRecSize && bytes.size() < 2 * WineRecSize) << path;
    std::memcpy(&rec, bytes.data(), std::min(bytes.size(), sizeof rec));
    return rec;
}

std::vector<std::string> NewWineArgs(const std::string& path) {
    return {"new",
            path,
            "--wine",
            "Chardonnay",
            "--filter",
            "Pad K200",
            "--lab-pressure",
            "30",
            "--filter-diameter",
            "47",
            "--max-pressure",
            "30",
            "--area",
            "10",
            "--rate",
            "100"};
}

bool WriteStandardLawWine(const std::string& path) {
    if (RunCli(NewWineArgs(path)).status != 0) {
        return false;
    }
    std::string csv;
    const double area = 0.0235 * 0.0235 * 3.14159;
    for (int i = 1; i <= 36; ++i) {
        const double hours = i * 15 / 3600.0;
        const double v = 2000 * hours / (1 + 2000 * hours / 300);
        char line[64];
        std::snprintf(line, sizeof line, "%.1f,%d,%d\n", v * area * 1000, i * 15 / 60, i * 15 % 60);
        csv += line;
    }
    return RunCli({"edit-data", path, "--csv"}, csv).status == 0;
}

namespace {

// Runs zephra-cli with its three standard streams on these paths.
CliResult Run(const std::vector<std::string>& args, const std::string& in, const std::string& out,
              const std::string& err) {
    std::vector<char*> argv;
    std::string program = ZEPHRA_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        Redirect(in, O_RDONLY, 0);
        Redirect(out, O_WRONLY | O_CREAT | O_TRUNC, 1);
        Redirect(err, O_WRONLY | O_CREAT | O_TRUNC, 2);
        ::setenv("LC_ALL", "C", 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CliResult result;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.err = FileBytes(err);
    return result;
}

} // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
    TempFolder streams;
    const std::string in = streams.file("in"), out = streams.file("out"), err = streams.file("err");
    std::ofstream(in, std::ios::binary) << input;
    CliResult result = Run(args, in, out, err);
    result.out = FileBytes(out);
    return result;
}

CliResult RunCliOn(const std::vector<std::string>& args, const std::string& inputPath,
                   const std::string& outputPath) {
    TempFolder streams;
    return Run(args, inputPath, outputPath, streams.file("err"));
}

} // namespace zephra::test
