#include "SimScpiInterpreter.h"

#include "SimSyntax.h"

#include <algorithm>
#include <utility>

namespace {

struct ScpiError {
    int code;
    const char* text;
};
constexpr ScpiError kDataTypeError = {-104, "Data type error"};
constexpr ScpiError kParameterNotAllowed = {-108, "Parameter not allowed"};
constexpr ScpiError kMissingParameter = {-109, "Missing parameter"};
constexpr ScpiError kUndefinedHeader = {-113, "Undefined header"};
constexpr ScpiError kSuffixOutOfRange = {-114, "Header suffix out of range"};
constexpr ScpiError kDataOutOfRange = {-222, "Data out of range"};
constexpr ScpiError kIllegalValue = {-224, "Illegal parameter value"};
constexpr ScpiError kMassStorage = {-250, "Mass storage error"};
constexpr const char* kNoError = "+0,\"No error\"";
constexpr std::size_t kClassPositions = 7;

std::string Format(const ScpiError& error, const std::string& detail)
{
    return std::to_string(error.code) + ",\"" + error.text + ";" + detail + "\"";
}

[[noreturn]] void Fail(const ScpiError& error, const std::string& command)
{
    throw SimCommandError{Format(error, command)};
}

// Numbers as SCPI replies give them: explicit sign, scientific notation.
std::string ScpiNumber(double value)
{
    return (value < 0 ? "" : "+") + FormatScientific(value);
}

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The short form of a keyword is its leading capitals (and digits and '*').
bool KeywordMatches(const std::string& word, const std::string& keyword)
{
    std::size_t shortLength = 0;
    while (shortLength < keyword.size() && !(keyword[shortLength] >= 'a' && keyword[shortLength] <= 'z'))
        ++shortLength;
    return word == keyword.substr(0, shortLength) || word == UpperAscii(keyword);
}

void RequireParameter(const std::string& parameters, const std::string& command)
{
    if (parameters.empty())
        Fail(kMissingParameter, command);
}

// The position in keywords of the keyword the parameter names.
std::size_t KeywordParameter(const std::string& parameters, const std::string& command,
                             const std::vector<std::string>& keywords)
{
    RequireParameter(parameters, command);
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        if (KeywordMatches(parameters, keywords[i]))
            return i;
    }
    Fail(kIllegalValue, command);
}

int IntegerParameter(const std::string& parameters, const std::string& command)
{
    RequireParameter(parameters, command);
    const std::optional<int> value = ParseInteger(parameters);
    if (!value)
        Fail(kDataTypeError, command);
    return *value;
}

void NoParameter(const std::string& parameters, const std::string& command)
{
    if (!parameters.empty())
        Fail(kParameterNotAllowed, command);
}

} // namespace

SimScpiInterpreter::SimScpiInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors)
    : SimInterpreter(model, memory, errors)
{
    Add(
        "*CLS",
        [this](const Call& c) {
            NoParameter(c.parameters, c.command);
            errors_.Clear();
        },
        nullptr);
    Add("*IDN", nullptr, [this](const Call&) { return std::string(model_.identity); });
    Add("SYSTem:ERRor:[NEXT]", nullptr, [this](const Call&) { return errors_.Pop(kNoError); });
    AddCalKitCommands();
    AddNumber("[SENSe#]:CORRection:IMPedance:INPut:MAGNitude", SimUnit::None,
              [this]() -> double& { return memory_.Current().systemZ0; });
}

void SimScpiInterpreter::AddCalKitCommands()
{
    const std::string kit = "[SENSe#]:CORRection:COLLect:CKIT";
    const std::string standard = kit + ":STANdard";
    Add(
        kit + ":SELect",
        [this](const Call& c) {
            if (!memory_.Select(IntegerParameter(c.parameters, c.command)))
                Fail(kDataOutOfRange, c.command);
        },
        [this](const Call&) { return std::to_string(memory_.Selected()); });
    Add(
        standard,
        [this](const Call& c) {
            const int number = IntegerParameter(c.parameters, c.command);
            if (number < 1 || number > memory_.StandardCount())
                Fail(kDataOutOfRange, c.command);
            standard_ = number;
        },
        [this](const Call&) { return std::to_string(standard_); });
    Add(
        standard + ":TYPE",
        [this](const Call& c) {
            static const std::vector<std::string> kTypes = {"SHORt", "OPEN", "LOAD", "SLOAd", "THRU", "ARBItrary"};
            static const SimStdType kTypeOf[] = {SimStdType::Short, SimStdType::Open, SimStdType::Load,
                                                 SimStdType::Load,  SimStdType::Thru, SimStdType::Arbi};
            const std::size_t i = KeywordParameter(c.parameters, c.command, kTypes);
            Selected().type = kTypeOf[i];
            if (kTypeOf[i] == SimStdType::Load)
                Selected().load = kTypes[i] == "SLOAd" ? SimLoadKind::Sliding : SimLoadKind::Fixed;
        },
        [this](const Call&) -> std::string {
            switch (Selected().type) {
            case SimStdType::Short: return "SHOR";
            case SimStdType::Open: return "OPEN";
            case SimStdType::Load: return Selected().load == SimLoadKind::Sliding ? "SLOA" : "LOAD";
            case SimStdType::Thru: return "THRU";
            case SimStdType::Arbi: return "ARBI";
            case SimStdType::None: break;
            }
            return "NONE";
        });
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        AddNumber(standard + ":C" + n, SimUnit::None, [this, i]() -> double& { return Selected().c[i]; });
        AddNumber(standard + ":L" + n, SimUnit::None, [this, i]() -> double& { return Selected().l[i]; });
    }
    AddNumber(standard + ":DELay", SimUnit::Seconds, [this]() -> double& { return Selected().delay; });
    AddNumber(standard + ":LOSS", SimUnit::None, [this]() -> double& { return Selected().loss; });
    AddNumber(standard + ":IMPedance", SimUnit::None, [this]() -> double& { return Selected().z0; });
    AddNumber(standard + ":FMIN", SimUnit::Hertz, [this]() -> double& { return Selected().fmin; });
    AddNumber(standard + ":FMAX", SimUnit::Hertz, [this]() -> double& { return Selected().fmax; });
    Add(
        standard + ":CHARacteristic",
        [this](const Call& c) {
            const std::size_t i = KeywordParameter(c.parameters, c.command, {"COAXial", "WAVEguide"});
            Selected().medium = i == 0 ? SimMedium::Coax : SimMedium::Waveguide;
        },
        [this](const Call&) { return std::string(Selected().medium == SimMedium::Coax ? "COAX" : "WAVE"); });
    AddText(standard + ":LABel", [this]() -> std::string& { return Selected().label; });
    Add(
        kit + ":ORDer#",
        [this](const Call& c) {
            RequireParameter(c.parameters, c.command);
            const std::optional<std::vector<int>> list = ParseIntegerList(c.parameters);
            if (!list)
                Fail(kDataTypeError, c.command);
            const bool inRange = std::all_of(list->begin(), list->end(),
                                             [this](int n) { return n >= 0 && n <= memory_.StandardCount(); });
            if (!inRange || list->size() > kClassPositions)
                Fail(kDataOutOfRange, c.command);
            memory_.Current().classes[ClassKey(c)].standards = *list;
        },
        [this](const Call& c) { return OrderList(c); });
    Add(kit + ":OLISt#", nullptr, [this](const Call& c) { return OrderList(c); });
    AddText(kit + ":NAME", [this]() -> std::string& { return memory_.Current().label; });
}

std::string SimScpiInterpreter::StorageError(const std::string& path) const
{
    return Format(kMassStorage, path);
}

void SimScpiInterpreter::Add(const std::string& pattern, Setter set, Query query)
{
    Command command{{}, std::move(set), std::move(query)};
    for (std::string word : SplitAt(pattern, ':')) {
        Node node;
        node.optional = word.front() == '[';
        if (node.optional)
            word = word.substr(1, word.size() - 2);
        node.suffix = word.back() == '#';
        if (node.suffix)
            word.pop_back();
        node.keyword = word;
        command.nodes.push_back(node);
    }
    commands_.push_back(std::move(command));
}

bool SimScpiInterpreter::NodeMatches(const std::string& word, const Node& node, int& suffix)
{
    std::string name = word;
    if (node.suffix) {
        std::size_t end = name.size();
        while (end > 0 && IsDigit(name[end - 1]))
            --end;
        const std::optional<int> number = end < name.size() ? ParseInteger(name.substr(end)) : 1;
        if (!number)
            return false;
        suffix = *number;
        name.resize(end);
    }
    return KeywordMatches(name, node.keyword);
}

// Whether the header words from position word on fit the pattern nodes from position node on;
// an optional node may match a word or be skipped.
bool SimScpiInterpreter::Matches(const std::vector<std::string>& words, std::size_t word,
                                 const std::vector<Node>& nodes, std::size_t node, int& suffix)
{
    if (node == nodes.size())
        return word == words.size();
    if (word < words.size() && NodeMatches(words[word], nodes[node], suffix) &&
        Matches(words, word + 1, nodes, node + 1, suffix))
        return true;
    return nodes[node].optional && Matches(words, word, nodes, node + 1, suffix);
}

void SimScpiInterpreter::AddNumber(const std::string& pattern, SimUnit unit, std::function<double&()> field)
{
    Add(
        pattern,
        [this, unit, field](const Call& c) {
            RequireParameter(c.parameters, c.command);
            const std::optional<double> value = ParseQuantity(c.parameters, unit);
            if (!value)
                Fail(kDataTypeError, c.command);
            StoreNumber(field(), *value);
        },
        [field](const Call&) { return ScpiNumber(field()); });
}

void SimScpiInterpreter::AddText(const std::string& pattern, std::function<std::string&()> field)
{
    Add(
        pattern,
        [this, field](const Call& c) {
            RequireParameter(c.parameters, c.command);
            const std::optional<std::string> text = ParseQuoted(c.parameters, QuoteChars(), DoublesQuotes());
            if (!text)
                Fail(kDataTypeError, c.command);
            field() = *text;
        },
        [field](const Call&) { return "\"" + field() + "\""; });
}

std::optional<std::string> SimScpiInterpreter::Run(const std::string& command)
{
    const std::size_t blank = command.find_first_of(" \t");
    std::string header = command.substr(0, blank);
    const std::string parameters = blank == std::string::npos ? std::string() : TrimBlanks(command.substr(blank));
    const bool query = !header.empty() && header.back() == '?';
    if (query)
        header.pop_back();
    if (header.empty())
        Fail(kUndefinedHeader, command);

    std::string full = header;
    if (header.front() == ':')
        full = header.substr(1);
    else if (header.front() != '*')
        full = path_ + header;
    if (header.front() != '*')
        path_ = full.substr(0, full.rfind(':') + 1);

    const std::vector<std::string> words = SplitAt(full, ':');
    for (const Command& candidate : commands_) {
        Call call{command, parameters, 1};
        if (!Matches(words, 0, candidate.nodes, 0, call.suffix))
            continue;
        if (query) {
            if (!candidate.query)
                Fail(kUndefinedHeader, command);
            NoParameter(parameters, command);
            return candidate.query(call);
        }
        if (!candidate.set)
            Fail(kUndefinedHeader, command);
        candidate.set(call);
        return std::nullopt;
    }
    Fail(kUndefinedHeader, command);
}

SimStandard& SimScpiInterpreter::Selected()
{
    return memory_.Current().standards[static_cast<std::size_t>(standard_ - 1)];
}

// Classes are kept under their number; the suffix names the class.
std::string SimScpiInterpreter::ClassKey(const Call& call) const
{
    if (call.suffix < 1 || call.suffix > model_.classes)
        Fail(kSuffixOutOfRange, call.command);
    return std::to_string(call.suffix);
}

// The standards of a class in its seven positions, unused positions 0: 5,6,0,0,0,0,0.
std::string SimScpiInterpreter::OrderList(const Call& call)
{
    const std::string key = ClassKey(call);
    const SimKit& kit = memory_.Current();
    const auto found = kit.classes.find(key);
    std::vector<int> standards = found == kit.classes.end() ? std::vector<int>() : found->second.standards;
    standards.resize(kClassPositions, 0);
    std::string text;
    for (std::size_t i = 0; i < standards.size(); ++i)
        text += (i ? "," : "") + std::to_string(standards[i]);
    return text;
}
