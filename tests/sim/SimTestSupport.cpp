#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

void SetVariable(const std::string& name, const std::optional<std::string>& value)
{
#ifdef _WIN32
    _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
#endif
}

} // namespace

void Send(SimAnalyzer& analyzer, const std::vector<std::string>& messages)
{
    for (const std::string& message : messages)
        analyzer.Write(message);
}

std::string Ask(SimAnalyzer& analyzer, const std::string& query)
{
    analyzer.Write(query);
    std::string reply = analyzer.Read();
    EXPECT_FALSE(reply.empty()) << "no reply to " << query;
    if (reply.empty() || reply.back() != '\n') {
        ADD_FAILURE() << "reply to " << query << " does not end in a line feed: " << reply;
        return reply;
    }
    reply.pop_back();
    return reply;
}

std::string ReadActive(SimAnalyzer& analyzer, const std::string& name)
{
    analyzer.Write(name + ";");
    return Ask(analyzer, "OUTPACTI;");
}

double Value(const std::string& reply, double scale)
{
    const long double v = std::stold(reply) * static_cast<long double>(scale);
    return static_cast<double>(std::nearbyint(v * 10000.0L) / 10000.0L);
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name))
{
    if (const char* old = std::getenv(name_.c_str()))
        previous_ = old;
    SetVariable(name_, value.empty() ? std::nullopt : std::optional<std::string>(value));
}

ScopedEnvironment::~ScopedEnvironment()
{
    SetVariable(name_, previous_);
}

TemporaryFile::TemporaryFile()
{
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = std::filesystem::temp_directory_path() /
            ("tessaly-sim-" + test + "-" + std::to_string(std::random_device()()) + ".state");
}

TemporaryFile::~TemporaryFile()
{
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}
