// A program run by a test as a user would run it: its own environment, standard input
// closed, standard output and standard error collected, a time limit.
#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

using TEnvironment = std::map<std::string, std::string>;

// The environment of the test process.
TEnvironment SystemEnvironment();

struct TProcessResult {
    int Status = -1; // -1 when the program did not end normally within the time limit
    std::string Out, Err;
};

class TChildProcess {
public:
    // Starts program; a program that cannot be started ends at once with status -1.
    TChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                  const TEnvironment& environment = SystemEnvironment());
    // A program still running is killed.
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    long Id() const;
    // The next line of standard output without its line end; empty after the time limit or
    // at the end of the output.
    std::string ReadLine(std::chrono::milliseconds limit);
    // Asks the program to end (SIGTERM; on Windows it is ended at once).
    void Terminate();
    // Waits for the end, collecting the output; past the limit the program is killed.
    TProcessResult Finish(std::chrono::milliseconds limit = std::chrono::minutes(1));

private:
    // Reads what the pipes hold until both are at their end or the deadline passes.
    void Drain(std::chrono::steady_clock::time_point deadline, bool untilLine);
    void Kill();

    std::string out_, err_;
    bool outOpen_ = false, errOpen_ = false;
    bool finished_ = false;
    int status_ = -1;
#ifdef _WIN32
    void* process_ = nullptr;
    void* outPipe_ = nullptr;
    void* errPipe_ = nullptr;
    unsigned long id_ = 0;
#else
    int pid_ = -1;
    int outPipe_ = -1;
    int errPipe_ = -1;
#endif
};
