// Test helpers for the bus: environment variables, the substitute libraries' call log and
// reply file, and recorders for the hooks that the user interface installs.
#pragma once

#include "bus/GpibCardUnit.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Sets an environment variable for the life of the object; the old state comes back after.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// A file of its own in the temporary folder, removed at the end.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& suffix);
    ~TemporaryFile();
    const std::filesystem::path& Path() const { return path_; }
    std::string Contents() const;
    void Store(const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Every call the substitute libraries receive, one line each (TESSALY_SIM_CALL_LOG).
class SimCallLog {
public:
    SimCallLog();
    std::vector<std::string> Lines() const;
    void Clear() const;

private:
    TemporaryFile file_{".calls"};
    ScopedEnvironment variable_;
};

// The bytes every read of the substitute libraries receives (TESSALY_SIM_REPLY_FILE).
class SimReplyFile {
public:
    SimReplyFile();
    void Answer(const std::string& bytes) const { file_.Store(bytes); }

private:
    TemporaryFile file_{".reply"};
    ScopedEnvironment variable_;
};

// Installs an event hook and a log sink that record what reaches them, and switches the
// traffic log on; everything is put back at the end.
class BusHookRecorder {
public:
    BusHookRecorder();
    ~BusHookRecorder();
    int events = 0;
    std::vector<std::string> logged;
};

// The message of the EGpibException that action raises; "(nothing raised)" otherwise.
std::string GpibError(const std::function<void()>& action);

// Milliseconds that action takes, by the steady clock.
double Milliseconds(const std::function<void()>& action);

// The reply the card reads when the analyzer sends exactly bytes: a fresh Open drops any
// unread bytes first.
std::string ReplyTo(TGpibCard& card, const SimReplyFile& reply, const std::string& bytes);

// Paths of the built substitute libraries.
inline const std::string NiLibrary = TESSALY_SIM_NI_LIBRARY;
inline const std::string SiclLibrary = TESSALY_SIM_SICL_LIBRARY;
inline const std::string NoLibrary = "/nonexistent/tessaly/no-such-library.so";
