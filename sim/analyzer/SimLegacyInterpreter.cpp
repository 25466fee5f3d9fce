#include "SimLegacyInterpreter.h"

#include "SimSyntax.h"

#include <algorithm>

namespace {

// The errors this command set reports, as OUTPERRO gives them: number, then the text in quotes.
struct LegacyError {
    int number;
    const char* text;
};
constexpr LegacyError kSyntaxError = {33, "SYNTAX ERROR"};
constexpr LegacyError kNoStandard = {34, "NO STANDARD BEING DEFINED"};
constexpr LegacyError kOutOfRange = {35, "DATA OUT OF RANGE"};
constexpr LegacyError kNotSaved = {36, "KIT MEMORY NOT SAVED"};
constexpr const char* kNoErrors = "0,\"NO ERRORS\"";

std::string Format(const LegacyError& error, const std::string& detail)
{
    return std::to_string(error.number) + ",\"" + error.text + ": " + detail + "\"";
}

[[noreturn]] void Fail(const LegacyError& error, const std::string& command)
{
    throw SimCommandError{Format(error, command)};
}

void NoArgument(const std::string& argument, const std::string& command)
{
    if (!argument.empty())
        Fail(kSyntaxError, command);
}

// Numbers as the analyzer outputs them: a blank in place of a plus sign, then scientific notation.
std::string LegacyNumber(double value)
{
    return (value < 0 ? "" : " ") + FormatScientific(value);
}

const std::vector<std::string> kCommonNumeric = {"C0", "C1", "C2", "C3", "TERI", "MINF", "MAXF", "SETZ"};
const std::vector<std::string> kOffsets8753 = {"OFSD", "OFSL", "OFSZ"};
const std::vector<std::string> kOffsets8510 = {"OFFD", "OFFL", "OFFZ"};
const std::vector<std::string> kInductance = {"L0", "L1", "L2", "L3"};
const std::vector<std::string> kActions = {"DEFS", "STDD", "LABS",     "SPEC",     "CLAD",     "LABE",    "LABK",
                                           "KITD", "ENTO", "MENUCAL", "OUTPACTI", "OUTPSTAT", "OUTPERRO", "OUTPIDEN"};
// 8510 queries that answer the chosen word of a setting in quotes.
const std::vector<std::string> kKeywordQueries = {"STDT", "LOAT", "MEDT"};
const std::vector<std::string> kTrlKeywordQueries = {"CALZ", "SETR"};

const std::vector<std::string> kClassCodes8753 = {
    "S11A", "S11B", "S11C", "S22A", "S22B", "S22C", "FWDT", "REVT", "FWDM", "REVM", "RESP", "RESI", "TRLT",
    "TRLR", "TRLL", "TRFM", "TLFM", "TLFT", "TRRM", "TLRM", "TLRT", "TTFT", "TTRT", "TTFM", "TTRM"};
const std::vector<std::string> kClassCodes8510 = {"S11A", "S11B", "S11C", "S22A", "S22B", "S22C",
                                                  "FWDT", "REVT", "FWDM", "REVM", "FWDI", "REVI",
                                                  "RESP", "TRLT", "TRLR", "TRLL", "ADAP"};
constexpr std::size_t kMaxClassStandards = 7;

bool Contains(const std::vector<std::string>& list, const std::string& word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

bool IsNumeric(const std::string& mnemonic)
{
    return Contains(kCommonNumeric, mnemonic) || Contains(kOffsets8753, mnemonic) || Contains(kOffsets8510, mnemonic) ||
           Contains(kInductance, mnemonic) || mnemonic == "LOWF";
}

SimUnit UnitOf(const std::string& mnemonic)
{
    if (mnemonic == "OFSD" || mnemonic == "OFFD")
        return SimUnit::Seconds;
    if (mnemonic == "MINF" || mnemonic == "MAXF" || mnemonic == "LOWF")
        return SimUnit::Hertz;
    return SimUnit::None;
}

} // namespace

// The words the setting queries of the 8510 answer are the last four letters of the first
// mnemonic that selects the value, so OFFS comes before OFLS.
const SimLegacyInterpreter::Choice SimLegacyInterpreter::kChoices[] = {
    {"STDTSHOR", Setting::StdType, static_cast<int>(SimStdType::Short)},
    {"STDTOPEN", Setting::StdType, static_cast<int>(SimStdType::Open)},
    {"STDTLOAD", Setting::StdType, static_cast<int>(SimStdType::Load)},
    {"STDTDELA", Setting::StdType, static_cast<int>(SimStdType::Thru)},
    {"STDTARBI", Setting::StdType, static_cast<int>(SimStdType::Arbi)},
    {"FIXE", Setting::LoadKind, static_cast<int>(SimLoadKind::Fixed)},
    {"SLIL", Setting::LoadKind, static_cast<int>(SimLoadKind::Sliding)},
    {"OFFS", Setting::LoadKind, static_cast<int>(SimLoadKind::Offset)},
    {"OFLS", Setting::LoadKind, static_cast<int>(SimLoadKind::Offset)},
    {"COAX", Setting::Medium, static_cast<int>(SimMedium::Coax)},
    {"WAVE", Setting::Medium, static_cast<int>(SimMedium::Waveguide)},
    {"CALZSYST", Setting::CalZ, static_cast<int>(SimCalZ::System)},
    {"CALZLINE", Setting::CalZ, static_cast<int>(SimCalZ::Line)},
    {"SETRTHRU", Setting::SetRef, static_cast<int>(SimSetRef::Thru)},
    {"SETRREFL", Setting::SetRef, static_cast<int>(SimSetRef::Reflect)},
};

SimLegacyInterpreter::SimLegacyInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors)
    : SimInterpreter(model, memory, errors)
{
    const bool is8510 = model.family == SimFamily::Hp8510;
    for (const Choice& choice : kChoices) {
        if (Offers(choice))
            mnemonics_.push_back(choice.mnemonic);
    }
    Append(mnemonics_, kCommonNumeric);
    Append(mnemonics_, is8510 ? kOffsets8510 : kOffsets8753);
    if (model.shortInductance)
        Append(mnemonics_, kInductance);
    if (model.lowband)
        mnemonics_.push_back("LOWF");
    Append(mnemonics_, kActions);
    if (is8510) {
        mnemonics_.push_back("MODI");
        Append(mnemonics_, kKeywordQueries);
        if (model.trlSettings)
            Append(mnemonics_, kTrlKeywordQueries);
    }
}

std::string SimLegacyInterpreter::StorageError(const std::string& path) const
{
    return Format(kNotSaved, path);
}

bool SimLegacyInterpreter::Offers(const Choice& choice) const
{
    if (choice.setting == Setting::CalZ || choice.setting == Setting::SetRef)
        return model_.trlSettings;
    return std::string(choice.mnemonic) != "OFLS" || model_.family == SimFamily::Hp8753;
}

// The longest known mnemonic the command starts with; empty when there is none.
std::string SimLegacyInterpreter::FindMnemonic(const std::string& command) const
{
    std::string found;
    for (const std::string& m : mnemonics_) {
        if (m.size() > found.size() && command.compare(0, m.size(), m) == 0)
            found = m;
    }
    return found;
}

std::optional<std::string> SimLegacyInterpreter::Run(const std::string& command)
{
    const bool query = command.back() == '?';
    const std::string body = query ? command.substr(0, command.size() - 1) : command;
    const std::string mnemonic = FindMnemonic(body);
    if (mnemonic.empty())
        Fail(kSyntaxError, command);
    const std::string argument = TrimBlanks(std::string_view(body).substr(mnemonic.size()));

    for (const Choice& choice : kChoices) {
        if (mnemonic == choice.mnemonic) {
            NoArgument(argument, command);
            return RunChoice(choice, query, command);
        }
    }
    if (IsNumeric(mnemonic))
        return RunNumeric(mnemonic, argument, query, command);
    if (Contains(kKeywordQueries, mnemonic) || Contains(kTrlKeywordQueries, mnemonic)) {
        if (!query)
            Fail(kSyntaxError, command);
        NoArgument(argument, command);
        return RunKeywordQuery(mnemonic, command);
    }
    if (query)
        Fail(kSyntaxError, command);
    return RunAction(mnemonic, argument, command);
}

// A setting word selects its value; the 8753 family answers "1" or "0" to the word and "?".
std::optional<std::string> SimLegacyInterpreter::RunChoice(const Choice& choice, bool query, const std::string& command)
{
    if (!query) {
        Set(choice.setting, choice.value, command);
        return std::nullopt;
    }
    if (model_.family != SimFamily::Hp8753)
        Fail(kSyntaxError, command);
    return Get(choice.setting, command) == choice.value ? "1" : "0";
}

std::optional<std::string> SimLegacyInterpreter::RunNumeric(const std::string& mnemonic, const std::string& argument,
                                                            bool query, const std::string& command)
{
    double& value = Value(mnemonic, command);
    if (query) {
        NoArgument(argument, command);
        return LegacyNumber(value);
    }
    if (!argument.empty()) {
        const std::optional<double> entered = ParseQuantity(argument, UnitOf(mnemonic));
        if (!entered)
            Fail(kSyntaxError, command);
        StoreNumber(value, *entered);
    }
    active_ = mnemonic;
    return std::nullopt;
}

// The 8510's setting queries answer the chosen word in double quotes, "NONE" for a standard
// without a type.
std::string SimLegacyInterpreter::RunKeywordQuery(const std::string& mnemonic, const std::string& command)
{
    const Setting setting = mnemonic == "STDT"   ? Setting::StdType
                            : mnemonic == "LOAT" ? Setting::LoadKind
                            : mnemonic == "MEDT" ? Setting::Medium
                            : mnemonic == "CALZ" ? Setting::CalZ
                                                 : Setting::SetRef;
    const int value = Get(setting, command);
    for (const Choice& choice : kChoices) {
        if (choice.setting == setting && choice.value == value) {
            const std::string word = choice.mnemonic;
            return "\"" + word.substr(word.size() - 4) + "\"";
        }
    }
    return "\"NONE\"";
}

std::optional<std::string> SimLegacyInterpreter::RunAction(const std::string& mnemonic, const std::string& argument,
                                                           const std::string& command)
{
    SimKit& kit = memory_.Current();
    if (mnemonic == "DEFS") {
        const std::optional<int> number = ParseInteger(argument);
        if (!number)
            Fail(kSyntaxError, command);
        if (*number < 1 || *number > memory_.StandardCount())
            Fail(kOutOfRange, command);
        standard_ = *number;
    } else if (mnemonic == "LABS" || mnemonic == "LABK") {
        const std::optional<std::string> label = ParseQuoted(argument, QuoteChars());
        if (!label)
            Fail(kSyntaxError, command);
        (mnemonic == "LABS" ? Defining(command).label : kit.label) = *label;
    } else if (mnemonic == "SPEC") {
        SpecifyClass(argument, command);
    } else if (mnemonic == "LABE") {
        const std::string code = ClassCode(argument, command);
        const std::optional<std::string> label = ParseQuoted(argument.substr(code.size()), QuoteChars());
        if (!label)
            Fail(kSyntaxError, command);
        kit.classes[code].label = *label;
    } else if (mnemonic == "MODI") {
        const std::optional<int> slot = ParseInteger(argument);
        if (!slot)
            Fail(kSyntaxError, command);
        if (!memory_.Select(*slot))
            Fail(kOutOfRange, command);
        standard_ = 0;
    } else {
        NoArgument(argument, command);
        if (mnemonic == "OUTPACTI")
            return active_.empty() ? LegacyNumber(0.0) : LegacyNumber(Value(active_, command));
        if (mnemonic == "OUTPSTAT")
            return std::to_string(errors_.HasError() ? ErrorQueueBit() : 0);
        if (mnemonic == "OUTPERRO")
            return errors_.Pop(kNoErrors);
        if (mnemonic == "OUTPIDEN")
            return model_.identity;
        if (mnemonic == "STDD" || mnemonic == "KITD")
            standard_ = 0;
        else if (mnemonic == "ENTO")
            active_.clear();
        // CLAD (class done) and MENUCAL (calibration menu) change nothing in the kit memory.
    }
    return std::nullopt;
}

// SPEC<code> followed by the standard numbers of the class, separated by commas.
void SimLegacyInterpreter::SpecifyClass(const std::string& argument, const std::string& command)
{
    const std::string code = ClassCode(argument, command);
    const std::optional<std::vector<int>> standards = ParseIntegerList(argument.substr(code.size()));
    if (!standards)
        Fail(kSyntaxError, command);
    const bool inRange = std::all_of(standards->begin(), standards->end(),
                                     [this](int n) { return n >= 1 && n <= memory_.StandardCount(); });
    if (!inRange || standards->size() > kMaxClassStandards)
        Fail(kOutOfRange, command);
    memory_.Current().classes[code].standards = *standards;
}

// The class mnemonic at the start of a SPEC or LABE argument.
std::string SimLegacyInterpreter::ClassCode(const std::string& argument, const std::string& command) const
{
    const std::string code = argument.substr(0, 4);
    const auto& codes = model_.family == SimFamily::Hp8510 ? kClassCodes8510 : kClassCodes8753;
    if (!Contains(codes, code))
        Fail(kSyntaxError, command);
    return code;
}

SimStandard& SimLegacyInterpreter::Defining(const std::string& command)
{
    if (standard_ < 1)
        Fail(kNoStandard, command);
    return memory_.Current().standards[static_cast<std::size_t>(standard_ - 1)];
}

double& SimLegacyInterpreter::Value(const std::string& mnemonic, const std::string& command)
{
    SimKit& kit = memory_.Current();
    if (mnemonic == "SETZ")
        return kit.systemZ0;
    if (mnemonic == "LOWF")
        return kit.lowband;
    SimStandard& s = Defining(command);
    if (mnemonic.size() == 2) // C0..C3 or L0..L3
        return (mnemonic.front() == 'C' ? s.c : s.l).at(static_cast<std::size_t>(mnemonic.back() - '0'));
    if (mnemonic == "TERI")
        return s.termZ;
    if (mnemonic == "MINF")
        return s.fmin;
    if (mnemonic == "MAXF")
        return s.fmax;
    // OFSD/OFFD delay, OFSL/OFFL loss, OFSZ/OFFZ impedance
    return mnemonic.back() == 'D' ? s.delay : mnemonic.back() == 'L' ? s.loss : s.z0;
}

int SimLegacyInterpreter::Get(Setting setting, const std::string& command)
{
    const SimKit& kit = memory_.Current();
    switch (setting) {
    case Setting::StdType: return static_cast<int>(Defining(command).type);
    case Setting::LoadKind: return static_cast<int>(Defining(command).load);
    case Setting::Medium: return static_cast<int>(Defining(command).medium);
    case Setting::CalZ: return static_cast<int>(kit.calZ);
    case Setting::SetRef: return static_cast<int>(kit.setRef);
    }
    return 0;
}

void SimLegacyInterpreter::Set(Setting setting, int value, const std::string& command)
{
    SimKit& kit = memory_.Current();
    switch (setting) {
    case Setting::StdType: Defining(command).type = static_cast<SimStdType>(value); break;
    case Setting::LoadKind: Defining(command).load = static_cast<SimLoadKind>(value); break;
    case Setting::Medium: Defining(command).medium = static_cast<SimMedium>(value); break;
    case Setting::CalZ: kit.calZ = static_cast<SimCalZ>(value); break;
    case Setting::SetRef: kit.setRef = static_cast<SimSetRef>(value); break;
    }
}
