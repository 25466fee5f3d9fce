#include "SimTcpSession.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

// A message longer than this without its end is not a controller's: the connection goes.
constexpr std::size_t LineLimit = 1 << 20;

constexpr char Escape = '\x1B';

// A whole number in text within low..high; none otherwise.
bool ParseSetting(const std::string& text, int low, int high, int& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || number < low || number > high)
        return false;
    value = int(number);
    return true;
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::string SimRawSession::Receive(std::string_view bytes)
{
    std::string answer;
    for (const char c : bytes) {
        line_ += c;
        if (c == '\n') {
            const std::string message = std::move(line_);
            line_.clear();
            instrument_.Deliver(message);
            answer += instrument_.Reply();
        } else if (line_.size() > LineLimit) {
            throw SimHangUp{};
        }
    }
    return answer;
}

void SimPrologixSession::StartConnection()
{
    line_.clear();
    escape_ = false;
    commandLine_ = true;
}

std::string SimPrologixSession::Receive(std::string_view bytes)
{
    std::string answer;
    for (const char c : bytes) {
        if (escape_) {
            escape_ = false;
            if (line_.size() < 2)
                commandLine_ = false;
            line_ += c;
        } else if (c == Escape) {
            escape_ = true;
        } else if (c == '\r' || c == '\n') {
            answer += EndLine();
        } else {
            line_ += c;
        }
        if (line_.size() > LineLimit)
            throw SimHangUp{};
    }
    return answer;
}

std::string SimPrologixSession::EndLine()
{
    const std::string text = std::move(line_);
    const bool command = commandLine_ && text.size() >= 2 && text[0] == '+' && text[1] == '+';
    line_.clear();
    commandLine_ = true;
    if (text.empty())
        return {};
    return command ? Command(text) : Data(text);
}

std::string SimPrologixSession::Data(const std::string& text)
{
    if (mode_ != 1)
        return {};
    static const char* const Terminators[] = {"\r\n", "\r", "\n", ""};
    const std::string message = text + Terminators[eos_];
    if (address_ != instrument_.Address()) {
        instrument_.Transcript().Add("unheard", message);
        return {};
    }
    instrument_.Deliver(message);
    return autoRead_ ? instrument_.Reply() : std::string();
}

std::string SimPrologixSession::Command(const std::string& text)
{
    instrument_.Transcript().Add("controller", text);
    std::istringstream words(text.substr(2));
    std::string name;
    std::string argument;
    words >> name >> argument;
    name = LowerCase(name);
    const bool query = argument.empty();

    // Settings: with an argument they are set (a value out of range is ignored), without
    // one they are answered.
    auto setting = [&](int& value, int low, int high) {
        if (query)
            return std::to_string(value) + "\n";
        ParseSetting(argument, low, high, value);
        return std::string();
    };
    auto flag = [&](bool& value) {
        int number = value ? 1 : 0;
        std::string answer = setting(number, 0, 1);
        value = number != 0;
        return answer;
    };

    if (name == "mode")
        return setting(mode_, 0, 1);
    if (name == "addr")
        return setting(address_, 0, 30);
    if (name == "auto")
        return flag(autoRead_);
    if (name == "eoi")
        return flag(eoi_);
    if (name == "eos")
        return setting(eos_, 0, 3);
    if (name == "clr") {
        if (address_ == instrument_.Address())
            instrument_.Clear();
        return {};
    }
    if (name == "read")
        return address_ == instrument_.Address() ? instrument_.Reply() : std::string();
    if (name == "spoll")
        return address_ == instrument_.Address() ? std::to_string(instrument_.StatusByte()) + "\n" : std::string();
    if (name == "ver")
        return "Tessaly simulated GPIB-Ethernet controller\n";
    // ++ifc, ++loc, ++llo, ++read_tmo_ms, ++savecfg and anything unknown: nothing to simulate.
    return {};
}

std::unique_ptr<SimTcpSession> MakeSimTcpSession(const std::string& protocol, SimTcpInstrument& instrument)
{
    if (protocol == "raw")
        return std::make_unique<SimRawSession>(instrument);
    if (protocol == "prologix")
        return std::make_unique<SimPrologixSession>(instrument);
    return nullptr;
}
