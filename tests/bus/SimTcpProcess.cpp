#include "SimTcpProcess.h"

#include "SimBus.h"

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <thread>

#ifdef _WIN32
#include "kit/WindowsApi.h"
#else
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace {

using Clock = std::chrono::steady_clock;

// Far beyond any test, short enough that a simulator left behind goes soon.
const char* const IdleLimitSeconds = "30";

// How long a simulator asked to end may take.
constexpr std::chrono::seconds StopLimit{5};

std::vector<std::string> Arguments(const std::string& transcript, const std::vector<std::string>& options)
{
    std::vector<std::string> arguments{TESSALY_SIM_TCP_PROGRAM, "--port", "0", "--idle-limit", IdleLimitSeconds,
                                       "--log", transcript};
#ifdef _WIN32
    arguments.push_back("--until-input-ends");
#endif
    arguments.insert(arguments.end(), options.begin(), options.end());
    return arguments;
}

} // namespace

// Each system's part: start the simulator with its standard output on a pipe; read what that
// pipe holds (0: nothing within msLeft, -1: the output ended); ask the simulator to end and
// wait for it (its exit status, or -1 when it had to be killed).
#ifdef _WIN32

struct TSimTcpChild {
    PROCESS_INFORMATION process{};
    HANDLE input = nullptr;  // the simulator's standard input; closing it ends the simulator
    HANDLE output = nullptr; // its standard output

    ~TSimTcpChild()
    {
        for (HANDLE handle : {input, output, process.hProcess, process.hThread})
            if (handle != nullptr)
                CloseHandle(handle);
    }
};

namespace {

// One argument of a command line as the C runtime splits it again.
std::wstring Quoted(const std::string& argument)
{
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// A pipe whose end for the child (reading when childReads) is inherited and whose other end
// is not.
void MakePipe(HANDLE& read, HANDLE& write, bool childReads)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherit, 0))
        throw std::runtime_error("no pipe");
    SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
}

std::unique_ptr<TSimTcpChild> StartChild(const std::vector<std::string>& arguments)
{
    std::wstring commandLine;
    for (const std::string& argument : arguments)
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(argument);

    auto child = std::make_unique<TSimTcpChild>();
    HANDLE childInput = nullptr;
    HANDLE childOutput = nullptr;
    MakePipe(childInput, child->input, true);
    MakePipe(child->output, childOutput, false);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &child->process);
    CloseHandle(childInput);
    CloseHandle(childOutput);
    if (!started)
        throw std::runtime_error("tessaly-sim-tcp could not be started");
    return child;
}

long ReadSome(TSimTcpChild& child, char* buffer, std::size_t size, int msLeft)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(msLeft);
    DWORD available = 0;
    while (PeekNamedPipe(child.output, nullptr, 0, nullptr, &available, nullptr) && available == 0) {
        if (Clock::now() >= deadline)
            return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    DWORD count = 0;
    const DWORD wanted = static_cast<DWORD>(size < available ? size : available);
    if (available == 0 || !ReadFile(child.output, buffer, wanted, &count, nullptr))
        return -1;
    return static_cast<long>(count);
}

int EndChild(TSimTcpChild& child)
{
    CloseHandle(child.input);
    child.input = nullptr;
    const DWORD limit = static_cast<DWORD>(std::chrono::milliseconds(StopLimit).count());
    DWORD status = 0;
    if (WaitForSingleObject(child.process.hProcess, limit) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(child.process.hProcess, &status))
        return static_cast<int>(status);
    TerminateProcess(child.process.hProcess, 1);
    WaitForSingleObject(child.process.hProcess, INFINITE);
    return -1;
}

} // namespace

#else

struct TSimTcpChild {
    pid_t pid = -1;
    int output = -1; // the simulator's standard output

    ~TSimTcpChild()
    {
        if (output != -1)
            close(output);
    }
};

namespace {

std::unique_ptr<TSimTcpChild> StartChild(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe");
    fcntl(pipeEnds[0], F_SETFD, FD_CLOEXEC);
    auto child = std::make_unique<TSimTcpChild>();
    child->output = pipeEnds[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    const int spawned = posix_spawn(&child->pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0)
        throw std::runtime_error("tessaly-sim-tcp could not be started");
    return child;
}

long ReadSome(TSimTcpChild& child, char* buffer, std::size_t size, int msLeft)
{
    pollfd entry{child.output, POLLIN, 0};
    if (poll(&entry, 1, msLeft) <= 0)
        return 0;
    const ssize_t count = read(child.output, buffer, size);
    return count > 0 ? static_cast<long>(count) : -1;
}

int EndChild(TSimTcpChild& child)
{
    kill(child.pid, SIGTERM);
    const auto deadline = Clock::now() + StopLimit;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child.pid, &status, WNOHANG)) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == 0) {
        kill(child.pid, SIGKILL);
        waitpid(child.pid, &status, 0);
        return -1;
    }
    return ended == -1 || !WIFEXITED(status) ? -1 : WEXITSTATUS(status);
}

} // namespace

#endif

namespace {

// The first line the simulator prints: its port. Raises when none comes within 5 s.
int ReadPort(TSimTcpChild& child)
{
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        char buffer[64];
        const long count = left > 0 ? ReadSome(child, buffer, sizeof buffer, static_cast<int>(left)) : 0;
        if (count == 0)
            throw std::runtime_error("tessaly-sim-tcp printed no port");
        if (count < 0)
            throw std::runtime_error("tessaly-sim-tcp ended before printing its port");
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return std::stoi(text);
}

} // namespace

SimTcpProcess::SimTcpProcess(const std::vector<std::string>& options)
    : child_(StartChild(Arguments(transcript_.Path().string(), options)))
{
    try {
        port_ = ReadPort(*child_);
    } catch (...) {
        Stop();
        throw;
    }
}

SimTcpProcess::~SimTcpProcess() { Stop(); }

int SimTcpProcess::Stop()
{
    if (!child_)
        return -1;
    const int status = EndChild(*child_);
    child_.reset();
    return status;
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
