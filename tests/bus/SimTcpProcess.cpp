#include "SimTcpProcess.h"

#include "SimBus.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Far beyond any test, short enough that a simulator left behind goes soon.
const char* const IdleLimitSeconds = "30";

// The first line the simulator prints: its port. Raises when none comes within 5 s.
int ReadPort(int output)
{
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{output, POLLIN, 0};
        if (left <= 0 || poll(&entry, 1, static_cast<int>(left)) <= 0)
            throw std::runtime_error("tessaly-sim-tcp printed no port");
        char buffer[64];
        const ssize_t count = read(output, buffer, sizeof buffer);
        if (count <= 0)
            throw std::runtime_error("tessaly-sim-tcp ended before printing its port");
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return std::stoi(text);
}

} // namespace

SimTcpProcess::SimTcpProcess(const std::vector<std::string>& options)
{
    std::vector<std::string> arguments{TESSALY_SIM_TCP_PROGRAM, "--port", "0", "--idle-limit", IdleLimitSeconds,
                                       "--log", transcript_.Path().string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe");
    fcntl(pipeEnds[0], F_SETFD, FD_CLOEXEC);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (spawned != 0) {
        pid_ = -1;
        close(output_);
        throw std::runtime_error("tessaly-sim-tcp could not be started");
    }
    try {
        port_ = ReadPort(output_);
    } catch (...) {
        Stop();
        close(output_);
        throw;
    }
}

SimTcpProcess::~SimTcpProcess()
{
    Stop();
    close(output_);
}

int SimTcpProcess::Stop()
{
    if (pid_ == -1)
        return -1;
    kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(pid_, &status, WNOHANG)) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return -1;
    }
    pid_ = -1;
    return ended == -1 || !WIFEXITED(status) ? -1 : WEXITSTATUS(status);
}

std::vector<std::string> SimTcpProcess::Transcript() const
{
    std::vector<std::string> lines;
    std::istringstream text(transcript_.Contents());
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> SimTcpProcess::Traffic() const
{
    std::vector<std::string> traffic;
    for (const std::string& line : Transcript())
        if (line.rfind("message ", 0) == 0 || line.rfind("reply ", 0) == 0)
            traffic.push_back(line);
    return traffic;
}

std::string TranscriptLine(const std::string& kind, const std::string& bytes)
{
    return kind + " " + SimQuoted(bytes.data(), bytes.size());
}
