#include "SimKitMemory.h"

#include "SimSyntax.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <system_error>

namespace {

const std::vector<std::string> kTypeNames = {"NONE", "SHORT", "OPEN", "LOAD", "THRU", "ARBI"};
const std::vector<std::string> kLoadNames = {"FIXED", "SLIDING", "OFFSET"};
const std::vector<std::string> kMediumNames = {"COAX", "WAVEGUIDE"};
const std::vector<std::string> kCalZNames = {"SYSTEM", "LINE"};
const std::vector<std::string> kSetRefNames = {"THRU", "REFLECT"};

template <typename Enum>
const std::string& NameOf(const std::vector<std::string>& names, Enum value)
{
    return names.at(static_cast<std::size_t>(value));
}

template <typename Enum>
bool ReadName(const std::vector<std::string>& names, const std::string& word, Enum& value)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == word) {
            value = static_cast<Enum>(i);
            return true;
        }
    }
    return false;
}

std::string Number(double value)
{
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

bool ReadNumber(const std::string& word, double& value)
{
    double v = 0.0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

// Labels go to the end of their line; backslashes and line ends are escaped.
std::string Escape(const std::string& text)
{
    std::string result;
    for (char c : text) {
        if (c == '\\')
            result += "\\\\";
        else if (c == '\n')
            result += "\\n";
        else if (c == '\r')
            result += "\\r";
        else
            result += c;
    }
    return result;
}

std::string Unescape(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            result += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// The text after the first n blank-separated words and the single blank that follows them.
std::string RestAfterWords(const std::string& line, int n)
{
    std::size_t pos = 0;
    for (int i = 0; i < n; ++i) {
        pos = line.find(' ', pos);
        if (pos == std::string::npos)
            return {};
        ++pos;
    }
    return line.substr(pos);
}

std::string JoinNumbers(const std::vector<int>& numbers)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i ? "," : "") + std::to_string(numbers[i]);
    return text;
}

void WriteStandard(std::ostream& out, int number, const SimStandard& s)
{
    out << "std " << number << ' ' << NameOf(kTypeNames, s.type) << ' ' << NameOf(kLoadNames, s.load) << ' '
        << NameOf(kMediumNames, s.medium);
    for (double v : s.c)
        out << ' ' << Number(v);
    for (double v : s.l)
        out << ' ' << Number(v);
    for (double v : {s.termZ, s.delay, s.loss, s.z0, s.fmin, s.fmax})
        out << ' ' << Number(v);
    out << '\n';
    if (!s.label.empty())
        out << "stdlabel " << number << ' ' << Escape(s.label) << '\n';
}

// Takes the line "std N TYPE LOAD MEDIUM C0..C3 L0..L3 TERMZ DELAY LOSS Z0 FMIN FMAX" only
// when all of it reads.
void ReadStandard(const std::vector<std::string>& w, SimStandard& s)
{
    if (w.size() != 19)
        return;
    SimStandard r = s;
    bool ok = ReadName(kTypeNames, w[2], r.type) && ReadName(kLoadNames, w[3], r.load) &&
              ReadName(kMediumNames, w[4], r.medium);
    for (std::size_t i = 0; i < 4; ++i)
        ok = ok && ReadNumber(w[5 + i], r.c[i]) && ReadNumber(w[9 + i], r.l[i]);
    double* values[] = {&r.termZ, &r.delay, &r.loss, &r.z0, &r.fmin, &r.fmax};
    for (std::size_t i = 0; i < 6; ++i)
        ok = ok && ReadNumber(w[13 + i], *values[i]);
    if (ok)
        s = r;
}

} // namespace

SimKitMemory::SimKitMemory(int slots, int standardsPerKit)
    : standardCount_(standardsPerKit), kits_(static_cast<std::size_t>(slots), SimKit(standardsPerKit))
{
}

bool SimKitMemory::Select(int slot)
{
    if (slot < 1 || slot > Slots())
        return false;
    selected_ = slot;
    return true;
}

std::string SimKitMemory::ToText() const
{
    std::ostringstream out;
    out << "# std: number type load medium C0 C1 C2 C3 L0 L1 L2 L3 termZ(ohm) delay(s) loss(ohm/s) Z0(ohm) "
           "fmin(Hz) fmax(Hz)\n";
    out << "selected " << selected_ << '\n';
    for (int slot = 1; slot <= Slots(); ++slot) {
        const SimKit& kit = Kit(slot);
        out << "kit " << slot << '\n';
        out << "label " << Escape(kit.label) << '\n';
        out << "systemz0 " << Number(kit.systemZ0) << '\n';
        out << "lowband " << Number(kit.lowband) << '\n';
        out << "calz " << NameOf(kCalZNames, kit.calZ) << '\n';
        out << "setref " << NameOf(kSetRefNames, kit.setRef) << '\n';
        for (int n = 1; n <= standardCount_; ++n)
            WriteStandard(out, n, kit.standards[static_cast<std::size_t>(n - 1)]);
        for (const auto& [key, cls] : kit.classes) {
            out << "class " << key << ' ' << JoinNumbers(cls.standards) << '\n';
            if (!cls.label.empty())
                out << "classlabel " << key << ' ' << Escape(cls.label) << '\n';
        }
    }
    return out.str();
}

void SimKitMemory::FromText(const std::string& text)
{
    std::istringstream in(text);
    SimKit* kit = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ReadLine(line, kit);
    }
}

void SimKitMemory::ReadLine(const std::string& line, SimKit*& kit)
{
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#')
        return;
    const std::string& key = w[0];
    const int number = w.size() > 1 ? ParseInteger(w[1]).value_or(0) : 0; // slots and standards count from 1
    if (key == "selected") {
        Select(number);
    } else if (key == "kit") {
        kit = (number >= 1 && number <= Slots()) ? &kits_[static_cast<std::size_t>(number - 1)] : nullptr;
    } else if (kit == nullptr) {
        return; // a line of a slot this memory does not have
    } else if (key == "label") {
        kit->label = Unescape(RestAfterWords(line, 1));
    } else if (key == "systemz0" && w.size() == 2) {
        ReadNumber(w[1], kit->systemZ0);
    } else if (key == "lowband" && w.size() == 2) {
        ReadNumber(w[1], kit->lowband);
    } else if (key == "calz" && w.size() == 2) {
        ReadName(kCalZNames, w[1], kit->calZ);
    } else if (key == "setref" && w.size() == 2) {
        ReadName(kSetRefNames, w[1], kit->setRef);
    } else if ((key == "std" || key == "stdlabel") && number >= 1 && number <= standardCount_) {
        SimStandard& s = kit->standards[static_cast<std::size_t>(number - 1)];
        if (key == "stdlabel")
            s.label = Unescape(RestAfterWords(line, 2));
        else
            ReadStandard(w, s);
    } else if (key == "class" && w.size() >= 2) {
        if (const auto list = ParseIntegerList(w.size() > 2 ? w[2] : ""))
            kit->classes[w[1]].standards = *list;
    } else if (key == "classlabel" && w.size() >= 2) {
        kit->classes[w[1]].label = Unescape(RestAfterWords(line, 2));
    }
}
