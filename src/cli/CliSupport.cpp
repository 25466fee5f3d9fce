#include "CliSupport.h"

#include "Commands.h"
#include "analyzers/Vna.h"
#include "kit/Utility.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

EUsageError::EUsageError(const std::string& message, const std::string& usage)
    : std::runtime_error(message), usage_(usage)
{
}

std::string FromLatin1(const std::string& latin1)
{
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string ToLatin1(const std::string& utf8)
{
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t n = 0; n < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[n]);
        // The length of the sequence that byte starts; 0 for a byte no sequence starts with.
        const std::size_t length = byte < 0x80 ? 1 : byte >= 0xC2 && byte < 0xE0 ? 2 : byte >= 0xE0 && byte < 0xF5 ? 3 + (byte >= 0xF0) : 0;
        std::size_t valid = length == 0 ? 0 : 1;
        while (valid < length && n + valid < utf8.size() && (static_cast<unsigned char>(utf8[n + valid]) & 0xC0) == 0x80)
            ++valid;
        if (length == 1)
            latin1 += utf8[n];
        else if (length == 2 && valid == 2)
            latin1 += static_cast<char>(((byte & 0x1F) << 6) | (static_cast<unsigned char>(utf8[n + 1]) & 0x3F));
        else
            latin1 += '?';
        n += std::max<std::size_t>(valid, 1);
    }
    return latin1;
}

void UseBinaryStandardStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

namespace {

void WriteTo(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

} // namespace

void WriteOut(const std::string& text)
{
    WriteTo(stdout, text);
}

void WriteError(const std::string& text)
{
    WriteTo(stderr, text);
}

void PrintMessage(const std::string& message)
{
    WriteError(!message.empty() && message.back() == '\n' ? message : message + '\n');
}

const char* const HelpFlagNames = "-h,--help";
const char* const HelpFlagDescription = "Displays this help.";

bool LooksLikeOption(const std::string& word)
{
    return word.size() > 1 && word.front() == '-';
}

std::string UnknownOptionMessage(const std::vector<std::string>& words)
{
    std::vector<std::string> names;
    for (const std::string& word : words) {
        const std::string name = word.substr(0, word.find('='));
        if (name.compare(0, 2, "--") == 0)
            names.push_back(name.substr(2));
        else
            for (const char c : name.substr(1))
                names.emplace_back(1, c);
    }
    if (names.empty())
        return {};
    if (names.size() == 1)
        return "Unknown option '" + names.front() + "'.";
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return "Unknown options: " + list + ".";
}

std::string MissingValueMessage(const std::vector<std::string>& arguments)
{
    return "Missing value after '" + (arguments.empty() ? std::string() : arguments.back()) + "'.";
}

std::string TOption::Value(const std::string& fallback) const
{
    return IsSet() && !option_->results().empty() ? option_->results().back() : fallback;
}

std::string TOption::Name() const
{
    return "--" + option_->get_lnames().front();
}

namespace {

// CLI11's layout, with the usage line naming the command and its arguments the way a user
// types them: "Usage: tessaly-kit convert IN OUT [OPTIONS]".
class TCommandFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override
    {
        std::string usage = "Usage: " + name;
        for (const CLI::Option* argument : app->get_options([](const CLI::Option* o) { return o->get_positional(); }))
            usage += ' ' + argument->get_name();
        return usage + " [OPTIONS]\n";
    }
};

} // namespace

TCommandLine::TCommandLine(const TCliCommand& command, const std::string& description)
    : app_(description, command.Name)
{
    app_.formatter(std::make_shared<TCommandFormatter>());
    app_.set_help_flag();
    // CLI11 reads "/name" as an option on Windows; here it is always a path, as elsewhere.
    app_.allow_windows_style_options(false);
    app_.add_flag(HelpFlagNames)->description(HelpFlagDescription);
    // Unknown options and surplus arguments are left over and reported by Parse.
    app_.allow_extras();
}

void TCommandLine::AddArgument(const std::string& name, const std::string& description)
{
    positionals_.push_back(app_.add_option(name)->description(description)->type_name(""));
}

TOption TCommandLine::AddOption(const std::string& names, const std::string& valueName,
                                const std::string& description)
{
    return TOption(app_.add_option(names)
                       ->description(description)
                       ->type_name(valueName)
                       ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast));
}

TOption TCommandLine::AddFlag(const std::string& names, const std::string& description)
{
    return TOption(app_.add_flag(names)->description(description));
}

bool TCommandLine::Parse(const std::vector<std::string>& arguments, int minArguments, int maxArguments)
{
    try {
        // CLI11 takes the words last first.
        app_.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
    } catch (const CLI::ArgumentMismatch&) {
        FailUsage(MissingValueMessage(arguments));
    } catch (const CLI::ParseError& e) {
        FailUsage(e.what());
    }
    FailOnFlagValue(arguments);
    // Words beyond the declared arguments are left over, in order, with the unknown options.
    std::vector<std::string> leftOver = app_.remaining();
    // "--" ends the options; it is no argument itself.
    if (const auto end = std::find(leftOver.begin(), leftOver.end(), "--"); end != leftOver.end())
        leftOver.erase(end);
    for (const CLI::Option* argument : positionals_)
        if (argument->count() > 0)
            given_.push_back(argument->results().front());
    FailOnUnknownOptions(arguments, leftOver);
    if (app_.get_option("--help")->count() > 0) {
        WriteOut(Help());
        return false;
    }
    given_.insert(given_.end(), leftOver.begin(), leftOver.end());
    const auto count = static_cast<int>(given_.size());
    if (count < minArguments)
        FailUsage("Missing argument " + positionals_.at(given_.size())->get_name() + ".");
    if (count > maxArguments)
        FailUsage("Unexpected argument \"" + given_.at(static_cast<std::size_t>(maxArguments)) + "\".");
    return true;
}

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

} // namespace

void TCommandLine::FailOnFlagValue(const std::vector<std::string>& arguments) const
{
    for (auto word = arguments.begin(); word != arguments.end() && *word != "--"; ++word) {
        const std::size_t equals = word->find('=');
        if (word->compare(0, 2, "--") != 0 || equals == std::string::npos)
            continue;
        const CLI::Option* option = app_.get_option_no_throw(word->substr(0, equals));
        if (option != nullptr && option->get_items_expected_max() == 0)
            FailUsage("Unexpected value after '" + word->substr(0, equals) + "'.");
    }
}

void TCommandLine::FailOnUnknownOptions(const std::vector<std::string>& arguments,
                                        const std::vector<std::string>& leftOver) const
{
    std::vector<std::string> unknown;
    for (auto word = arguments.begin(); word != arguments.end() && *word != "--"; ++word) {
        // CLI11 takes "-1" for an argument; no command has an option of that name.
        const bool number = LooksLikeOption(*word) && std::isdigit(static_cast<unsigned char>((*word)[1])) != 0;
        if (LooksLikeOption(*word) && (Contains(leftOver, *word) || (number && Contains(given_, *word))))
            unknown.push_back(*word);
    }
    if (!unknown.empty())
        FailUsage(UnknownOptionMessage(unknown));
}

void TCommandLine::FailUsage(const std::string& message) const
{
    throw EUsageError(message, Help());
}

std::string TCommandLine::Help() const
{
    return app_.help("tessaly-kit");
}

int TCommandLine::RequireNumber(const TOption& option) const
{
    const std::string text = option.Value();
    std::int32_t value = 0;
    if (!TryParseInt(text, value))
        FailUsage(option.Name() + " takes a whole number, not \"" + text + "\".");
    return value;
}

TVna& TCommandLine::RequireModel(const std::string& text) const
{
    TVna* vna = FindVna(ToLatin1(text));
    if (vna == nullptr)
        FailUsage("Unknown model \"" + text + "\": give a catalogue index 0 to " + std::to_string(VnaCount - 1) +
                  " or a model name such as 8753D/E (see the models command).");
    return *vna;
}
