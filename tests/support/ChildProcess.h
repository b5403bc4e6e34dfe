#pragma once

// Helper programs started by the tests: zephra-balance-sim and zephra-cli.

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// A program running with its standard output on a pipe; standard error is
// dropped, or with `withErrors` goes into the same pipe. Ended with SIGTERM
// when still running at destruction.
class ChildProcess {
public:
    explicit ChildProcess(std::vector<std::string> args, bool withErrors = false) {
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (withErrors)
            posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
        else
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }
    ~ChildProcess() {
        if (pid_ > 0 && !ended_) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            close(out_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of standard output without its newline; empty at the end
    // of the output or after `timeoutMs`.
    std::string ReadLine(int timeoutMs) {
        std::string line;
        char c = 0;
        pollfd wait{out_, POLLIN, 0};
        while (poll(&wait, 1, timeoutMs) == 1 && read(out_, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }
    // Everything the program writes until it ends.
    std::string ReadAll() {
        std::string text;
        char buffer[256];
        ssize_t n = 0;
        while ((n = read(out_, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }
    void Signal(int signal) const { kill(pid_, signal); }
    // Closes the reading end of the program's standard output, as a reader
    // that has gone (`| head -1`).
    void CloseOutput() {
        close(out_);
        out_ = -1;
    }
    // Whether the program ended within `timeoutMs`; Wait then returns at once.
    bool EndsWithin(int timeoutMs) {
        for (int waited = 0; waited < timeoutMs; waited += 50) {
            if (waitpid(pid_, &status_, WNOHANG) == pid_) {
                ended_ = true;
                return true;
            }
            usleep(50'000);
        }
        return false;
    }
    // Waits for the end and returns the exit status (-1 when killed).
    int Wait() {
        if (!ended_)
            waitpid(pid_, &status_, 0);
        pid_ = -1;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int status_ = 0;
    bool ended_ = false;
};

// zephra-balance-sim with `options`; its first line is the device path.
class Simulator {
public:
    explicit Simulator(std::vector<std::string> options)
        : process_(WithProgram(BALANCE_SIM, std::move(options))), device_(process_.ReadLine(5000)) {
    }
    const std::string& Device() const { return device_; }

    static std::vector<std::string> WithProgram(std::string program,
                                                std::vector<std::string> args) {
        args.insert(args.begin(), std::move(program));
        return args;
    }

private:
    ChildProcess process_;
    std::string device_;
};
