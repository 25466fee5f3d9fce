#include "SimBus.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// A whole number from the environment; fallback when unset or not a number.
long EnvironmentNumber(const char* name, long fallback)
{
    const std::string text = Environment(name);
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end != '\0' ? fallback : value;
}

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

std::string FileContents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

constexpr int StatusErrorBit = 8;

} // namespace

SimBus& SimBus::Instance()
{
    static SimBus bus;
    return bus;
}

int SimBus::Board(int usualBoard) const { return int(EnvironmentNumber("TESSALY_SIM_BOARD", usualBoard)); }

int SimBus::Address() const { return int(EnvironmentNumber("TESSALY_SIM_ADDRESS", 16)); }

SimAnalyzer& SimBus::Analyzer()
{
    std::string model = Environment("TESSALY_SIM_MODEL");
    if (model.empty())
        model = "8753D/E";
    if (!analyzer_ || model != analyzerModel_) {
        analyzer_ = std::make_unique<SimAnalyzer>(model);
        analyzerModel_ = model;
    }
    return *analyzer_;
}

void SimBus::InterfaceClear()
{
    writes_ = 0;
    reads_ = 0;
}

void SimBus::DeviceClear()
{
    Analyzer().Clear();
    unread_.clear();
}

SimOutcome SimBus::Write(const std::string& bytes)
{
    ++writes_;
    if (writes_ == EnvironmentNumber("TESSALY_SIM_FAIL_WRITE", 0))
        return SimOutcome::Failed;
    Analyzer().Write(bytes);
    statusQueried_ = UpperCase(bytes).find("OUTPSTAT") != std::string::npos;
    return SimOutcome::Done;
}

std::string SimBus::NextReply()
{
    std::string reply = Analyzer().Read();
    if (statusQueried_ && EnvironmentNumber("TESSALY_SIM_STATUS_ERROR", 0) != 0)
        reply = std::to_string(Analyzer().StatusByte() | StatusErrorBit) + "\n";
    const std::string replyFile = Environment("TESSALY_SIM_REPLY_FILE");
    if (!replyFile.empty())
        reply = FileContents(replyFile);
    statusQueried_ = false;
    return reply;
}

SimReception SimBus::Read(std::size_t limit)
{
    ++reads_;
    if (reads_ == EnvironmentNumber("TESSALY_SIM_FAIL_READ", 0))
        return {SimOutcome::Failed, {}, false};
    if (reads_ == EnvironmentNumber("TESSALY_SIM_TIMEOUT_READ", 0))
        return {SimOutcome::TimedOut, {}, false};
    if (unread_.empty())
        unread_ = NextReply();
    const std::size_t count = std::min(limit, unread_.size());
    SimReception reception{SimOutcome::Done, unread_.substr(0, count), false};
    unread_.erase(0, count);
    reception.end = unread_.empty();
    return reception;
}

void SimBus::LogCall(const std::string& line) const
{
    const std::string path = Environment("TESSALY_SIM_CALL_LOG");
    if (path.empty())
        return;
    std::ofstream log(path, std::ios::binary | std::ios::app);
    log << line << '\n';
}

std::string SimQuoted(const char* bytes, std::size_t length)
{
    std::string text = "\"";
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            text += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            text += hex;
        }
    }
    return text + "\"";
}
