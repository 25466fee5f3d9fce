#include "ChildProcess.h"

#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

using TClock = std::chrono::steady_clock;

namespace {

bool HasLine(const std::string& text)
{
    return text.find('\n') != std::string::npos;
}

} // namespace

std::string TChildProcess::ReadLine(std::chrono::milliseconds limit)
{
    Drain(TClock::now() + limit, true);
    const std::size_t end = out_.find('\n');
    std::string line = out_.substr(0, end);
    out_.erase(0, end == std::string::npos ? out_.size() : end + 1);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Narrow(const wchar_t* wide, std::size_t length)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// One argument as the C runtime of the child splits its command line again.
std::wstring Quoted(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L'"';
}

// Reads what the pipe holds without waiting; false at its end.
bool ReadAvailable(HANDLE pipe, std::string& into)
{
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
        return false;
    while (available > 0) {
        char buffer[4096];
        DWORD read = 0;
        if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &read, nullptr) || read == 0)
            return false;
        into.append(buffer, read);
        available -= read;
    }
    return true;
}

} // namespace

TEnvironment SystemEnvironment()
{
    TEnvironment environment;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::string text = Narrow(entry, wcslen(entry));
        const std::size_t equals = text.find('=', 1); // "=C:=C:\..." entries start with '='
        if (equals != std::string::npos)
            environment[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsW(block);
    return environment;
}

TChildProcess::TChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const TEnvironment& environment)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outWrite = nullptr, errWrite = nullptr;
    HANDLE outRead = nullptr, errRead = nullptr;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                             nullptr);

    std::wstring commandLine = Quoted(Wide(program));
    for (const std::string& argument : arguments)
        commandLine += L' ' + Quoted(Wide(argument));
    std::wstring block;
    for (const auto& [name, value] : environment)
        block += Wide(name) + L'=' + Wide(value) + L'\0';
    block += L'\0';

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessW(Wide(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_UNICODE_ENVIRONMENT, block.data(), nullptr, &startup, &info);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    CloseHandle(nul);
    outPipe_ = outRead;
    errPipe_ = errRead;
    outOpen_ = errOpen_ = true;
    if (started) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    } else {
        finished_ = true;
    }
}

TChildProcess::~TChildProcess()
{
    if (!finished_)
        Kill();
    if (process_ != nullptr)
        CloseHandle(process_);
    CloseHandle(outPipe_);
    CloseHandle(errPipe_);
}

long TChildProcess::Id() const
{
    return static_cast<long>(id_);
}

void TChildProcess::Drain(TClock::time_point deadline, bool untilLine)
{
    while ((outOpen_ || errOpen_) && !(untilLine && HasLine(out_)) && TClock::now() < deadline) {
        const std::size_t before = out_.size() + err_.size();
        if (outOpen_)
            outOpen_ = ReadAvailable(outPipe_, out_);
        if (errOpen_)
            errOpen_ = ReadAvailable(errPipe_, err_);
        if (out_.size() + err_.size() == before)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void TChildProcess::Terminate()
{
    if (!finished_)
        TerminateProcess(process_, 1);
}

void TChildProcess::Kill()
{
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    finished_ = true;
    status_ = -1;
}

TProcessResult TChildProcess::Finish(std::chrono::milliseconds limit)
{
    const auto deadline = TClock::now() + limit;
    Drain(deadline, false);
    if (!finished_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now());
        DWORD code = 0;
        if (WaitForSingleObject(process_, static_cast<DWORD>(std::max<long long>(left.count(), 0))) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process_, &code)) {
            finished_ = true;
            status_ = static_cast<int>(code);
        } else {
            Kill();
        }
    }
    if (status_ == -1)
        return {};
    return {status_, out_, err_};
}

#else

TEnvironment SystemEnvironment()
{
    TEnvironment environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos)
            environment[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return environment;
}

TChildProcess::TChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const TEnvironment& environment)
{
    finished_ = true; // until the program has started
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0)
        return;
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);

    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> entries;
    for (const auto& [name, value] : environment)
        entries.push_back(name + '=' + value);
    std::vector<char*> envp;
    for (std::string& entry : entries)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    outPipe_ = outPipe[0];
    errPipe_ = errPipe[0];
    outOpen_ = errOpen_ = true;
    if (failed == 0) {
        pid_ = pid;
        finished_ = false;
    }
}

TChildProcess::~TChildProcess()
{
    if (!finished_)
        Kill();
    if (outPipe_ >= 0)
        close(outPipe_);
    if (errPipe_ >= 0)
        close(errPipe_);
}

long TChildProcess::Id() const
{
    return pid_;
}

void TChildProcess::Drain(TClock::time_point deadline, bool untilLine)
{
    while ((outOpen_ || errOpen_) && !(untilLine && HasLine(out_))) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now()).count();
        if (left <= 0)
            return;
        pollfd fds[2] = {{outOpen_ ? outPipe_ : -1, POLLIN, 0}, {errOpen_ ? errPipe_ : -1, POLLIN, 0}};
        if (poll(fds, 2, static_cast<int>(left)) < 0)
            continue; // interrupted by a signal
        const std::pair<pollfd*, std::string*> streams[] = {{&fds[0], &out_}, {&fds[1], &err_}};
        for (const auto& [fd, text] : streams) {
            if ((fd->revents & (POLLIN | POLLHUP | POLLERR)) == 0)
                continue;
            char buffer[4096];
            const ssize_t read = ::read(fd->fd, buffer, sizeof buffer);
            if (read > 0)
                text->append(buffer, static_cast<std::size_t>(read));
            else
                (fd == &fds[0] ? outOpen_ : errOpen_) = false;
        }
    }
}

void TChildProcess::Terminate()
{
    if (!finished_ && pid_ > 0)
        ::kill(pid_, SIGTERM);
}

void TChildProcess::Kill()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    finished_ = true;
    status_ = -1;
}

TProcessResult TChildProcess::Finish(std::chrono::milliseconds limit)
{
    const auto deadline = TClock::now() + limit;
    Drain(deadline, false);
    while (!finished_) {
        int status = 0;
        const pid_t ended = waitpid(pid_, &status, WNOHANG);
        if (ended == pid_) {
            finished_ = true;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        } else if (ended < 0 || TClock::now() >= deadline) {
            Kill();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    if (status_ == -1)
        return {};
    return {status_, out_, err_};
}

#endif
