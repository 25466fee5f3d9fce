// Helpers for talking to a simulated analyzer the way a controller does.
#pragma once

#include "SimAnalyzer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Writes each command as one message.
void Send(SimAnalyzer& analyzer, const std::vector<std::string>& messages);
// Writes the query and returns the reply without its line feed (the test fails when the
// reply does not end in one).
std::string Ask(SimAnalyzer& analyzer, const std::string& query);
// The legacy analyzers' way of reading a value: name + ";" makes it active, OUTPACTI gives it.
std::string ReadActive(SimAnalyzer& analyzer, const std::string& name);
// A reply as a number, scaled and rounded to four decimals as the program stores it.
double Value(const std::string& reply, double scale = 1.0);

// Sets an environment variable for the lifetime of the object (an empty value unsets it).
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

// A file name in the temporary folder that no other test uses; the file is removed at the end.
class TemporaryFile {
public:
    TemporaryFile();
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};
