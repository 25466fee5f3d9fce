#include "BusTestSupport.h"

#include "kit/Utility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

void SetVariable(const std::string& name, const char* value)
{
#if defined(_WIN32)
    _putenv_s(name.c_str(), value != nullptr ? value : "");
#else
    if (value != nullptr)
        setenv(name.c_str(), value, 1);
    else
        unsetenv(name.c_str());
#endif
}

} // namespace

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name))
{
    if (const char* old = std::getenv(name_.c_str()))
        previous_ = old;
    SetVariable(name_, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetVariable(name_, previous_ ? previous_->c_str() : nullptr); }

TemporaryFile::TemporaryFile(const std::string& suffix)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "bus";
    std::replace(name.begin(), name.end(), '/', '-'); // typed suites are named "Suite/0"
    path_ = std::filesystem::temp_directory_path() /
            ("tessaly-" + name + "-" + std::to_string(std::random_device{}()) + suffix);
    Store({});
}

TemporaryFile::~TemporaryFile()
{
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

std::string TemporaryFile::Contents() const
{
    std::ifstream file(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void TemporaryFile::Store(const std::string& bytes) const
{
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file)
        throw std::runtime_error("cannot write " + path_.string());
}

SimCallLog::SimCallLog() : variable_("TESSALY_SIM_CALL_LOG", file_.Path().string()) {}

std::vector<std::string> SimCallLog::Lines() const
{
    std::vector<std::string> lines;
    std::istringstream text(file_.Contents());
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

void SimCallLog::Clear() const { file_.Store({}); }

SimReplyFile::SimReplyFile() : variable_("TESSALY_SIM_REPLY_FILE", file_.Path().string()) {}

BusHookRecorder::BusHookRecorder()
{
    SetGpibEventHook([this] { ++events; });
    SetGpibLogSink([this](const std::string& line) { logged.push_back(line); });
    LogGpib = true;
}

BusHookRecorder::~BusHookRecorder()
{
    LogGpib = false;
    SetGpibEventHook({});
    SetGpibLogSink({});
}

std::string GpibError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EGpibException& error) {
        return error.what();
    }
    return "(nothing raised)";
}

double Milliseconds(const std::function<void()>& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string ReplyTo(TGpibCard& card, const SimReplyFile& reply, const std::string& bytes)
{
    reply.Answer(bytes);
    card.Open();
    std::string received = "(not read)";
    card.Read(received);
    card.Close();
    return received;
}
