// The Touchstone reader: version 1.1 files and version 2.0 files of one- and two-port
// S-parameters. Every value is read as the file states it (unit, format, reference impedance);
// the result holds frequencies in GHz and complex S-parameters at the file's reference
// impedance. Anything the reader cannot use is refused with the line it stands on.
#include "response/Touchstone.h"

#include "kit/FileImage.h"
#include "kit/Utility.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

namespace {

enum class TNumberFormat { RealImaginary, MagnitudeAngle, DecibelAngle };
// Where S12 and S21 stand in a two-port point: S11 S21 S12 S22 (the version 1.1 order, "21_12"),
// S11 S12 S21 S22 ("12_21"), or only one triangle of the symmetric matrix.
enum class TTwoPortOrder { Order21_12, Order12_21, Lower, Upper };

std::string LowerCase(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::vector<std::string_view> SplitBlanks(std::string_view text)
{
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ')
            ++i;
        if (i > start)
            tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

const char* PortWord(int ports)
{
    return ports == 1 ? "one-port" : "two-port";
}

class TTouchstoneParser {
public:
    TTouchstoneParser(std::string_view text, int ports) : text_(text), ports_(ports) {}

    TTouchstoneData Parse()
    {
        std::size_t position = 0;
        while (position <= text_.size()) {
            std::size_t end = text_.find('\n', position);
            if (end == std::string_view::npos)
                end = text_.size();
            ++line_;
            TakeLine(text_.substr(position, end - position));
            position = end + 1;
        }
        Finish();
        return std::move(data_);
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EFileTrouble("Line " + std::to_string(line_) + ": " + what);
    }

    void TakeLine(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t bang = line.find('!');
        if (bang != std::string_view::npos) {
            data_.Comments.emplace_back(line.substr(bang + 1));
            line = line.substr(0, bang);
        }
        const std::string content = Trim(line);
        if (content.empty() || ended_)
            return;
        if (pendingReferences_ > 0 && content.front() != '[') {
            TakeReferences(content);
            return;
        }
        if (content.front() == '[')
            TakeKeyword(content);
        else if (content.front() == '#')
            TakeOptionLine(content);
        else
            TakeData(content);
        sawContent_ = true;
    }

    // --- Version 2.0 keywords ---

    void TakeKeyword(const std::string& content)
    {
        const std::size_t close = content.find(']');
        if (close == std::string::npos)
            Fail("the keyword \"" + content + "\" has no closing bracket.");
        const std::string keyword = content.substr(0, close + 1);
        const std::string name = LowerCase(keyword);
        const std::string argument = Trim(std::string_view(content).substr(close + 1));
        if (pendingReferences_ > 0)
            Fail("[Reference] needs one impedance for each port.");

        if (name == "[version]") {
            if (sawContent_)
                Fail("[Version] must come before everything else.");
            if (argument != "2.0")
                Fail("Touchstone version \"" + argument + "\" cannot be read (1.1 and 2.0 can).");
            version2_ = true;
            return;
        }
        if (!version2_)
            Fail("the keyword " + keyword + " needs a [Version] 2.0 line at the start of the file.");
        if (noiseData_ && name != "[end]")
            Fail("the keyword " + keyword + " cannot follow [Noise Data].");
        if (inNetworkData_ && name != "[noise data]" && name != "[end]")
            Fail("the keyword " + keyword + " cannot stand inside the network data.");

        if (name == "[number of ports]") {
            const int ports = IntegerArgument(keyword, argument);
            if (ports != 1 && ports != 2)
                Fail("only one- and two-port files can be read; this one has " + argument + " ports.");
            ports_ = ports;
            portsFromKeyword_ = true;
        } else if (name == "[two-port data order]") {
            const std::string order = LowerCase(argument);
            if (order == "12_21")
                order_ = TTwoPortOrder::Order12_21;
            else if (order == "21_12")
                order_ = TTwoPortOrder::Order21_12;
            else
                Fail("[Two-Port Data Order] must be 12_21 or 21_12, not \"" + argument + "\".");
            orderGiven_ = true;
        } else if (name == "[number of frequencies]") {
            const int count = IntegerArgument(keyword, argument);
            if (count < 1)
                Fail("[Number of Frequencies] must be at least 1.");
            frequencyCount_ = count;
        } else if (name == "[number of noise frequencies]") {
            IntegerArgument(keyword, argument);
        } else if (name == "[matrix format]") {
            const std::string format = LowerCase(argument);
            if (format == "lower")
                triangle_ = TTwoPortOrder::Lower;
            else if (format == "upper")
                triangle_ = TTwoPortOrder::Upper;
            else if (format != "full")
                Fail("[Matrix Format] must be Full, Lower or Upper, not \"" + argument + "\".");
        } else if (name == "[reference]") {
            if (!portsFromKeyword_)
                Fail("[Reference] must follow [Number of Ports].");
            pendingReferences_ = ports_;
            references_.clear();
            if (!argument.empty())
                TakeReferences(argument);
        } else if (name == "[network data]") {
            StartNetworkData();
        } else if (name == "[noise data]") {
            if (!inNetworkData_)
                Fail("[Noise Data] must follow the network data.");
            noiseData_ = true;
        } else if (name == "[end]") {
            EndNetworkData();
        } else {
            Fail("the keyword " + keyword + " is not supported.");
        }
    }

    int IntegerArgument(const std::string& keyword, const std::string& argument) const
    {
        std::int32_t value = 0;
        if (!TryParseInt(argument, value))
            Fail(keyword + " needs a whole number, not \"" + argument + "\".");
        return value;
    }

    void TakeReferences(std::string_view text)
    {
        for (std::string_view token : SplitBlanks(text)) {
            if (pendingReferences_ == 0)
                Fail("[Reference] needs one impedance for each port, and no more.");
            references_.push_back(Impedance(token));
            --pendingReferences_;
        }
        if (pendingReferences_ == 0) {
            if (std::any_of(references_.begin(), references_.end(),
                            [&](double z) { return z != references_.front(); }))
                Fail("the ports have different reference impedances; only one for all ports can be read.");
            data_.ReferenceZ0 = references_.front();
            referenceFromKeyword_ = true;
        }
    }

    double Impedance(std::string_view token) const
    {
        const double z = Number(token);
        if (!(z > 0))
            Fail("the reference impedance must be above 0 ohm, not " + std::string(token) + ".");
        return z;
    }

    void StartNetworkData()
    {
        if (!optionSeen_)
            Fail("[Network Data] needs the option line (# ...) before it.");
        if (!portsFromKeyword_)
            Fail("[Network Data] needs [Number of Ports] before it.");
        if (frequencyCount_ == 0)
            Fail("[Network Data] needs [Number of Frequencies] before it.");
        if (ports_ == 2 && !orderGiven_ && triangle_ == TTwoPortOrder::Order21_12)
            Fail("[Network Data] of a two-port file needs [Two-Port Data Order] before it.");
        if (sawNetworkData_)
            Fail("the file has a second [Network Data].");
        inNetworkData_ = true;
        sawNetworkData_ = true;
    }

    void EndNetworkData()
    {
        CompletePending();
        if (!sawNetworkData_)
            Fail("[End] before [Network Data].");
        if (static_cast<int>(data_.Points.size()) != frequencyCount_)
            Fail("[Number of Frequencies] is " + std::to_string(frequencyCount_) + ", but the network data has " +
                 std::to_string(data_.Points.size()) + ".");
        inNetworkData_ = false;
        ended_ = true;
    }

    // --- The option line ---

    void TakeOptionLine(const std::string& content)
    {
        if (optionSeen_) {
            if (version2_)
                Fail("the file has a second option line.");
            return; // Version 1.1: only the first option line counts.
        }
        if (!data_.Points.empty() || !pending_.empty())
            Fail("the option line must come before the data.");
        const auto tokens = SplitBlanks(std::string_view(content).substr(1));
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::string option = LowerCase(tokens[i]);
            if (option == "hz")
                toGHz_ = 1e-9;
            else if (option == "khz")
                toGHz_ = 1e-6;
            else if (option == "mhz")
                toGHz_ = 1e-3;
            else if (option == "ghz")
                toGHz_ = 1;
            else if (option == "s")
                continue;
            else if (option == "y" || option == "z" || option == "h" || option == "g")
                Fail("only S-parameters can be read; this file holds " + std::string(tokens[i]) + "-parameters.");
            else if (option == "ri")
                format_ = TNumberFormat::RealImaginary;
            else if (option == "ma")
                format_ = TNumberFormat::MagnitudeAngle;
            else if (option == "db")
                format_ = TNumberFormat::DecibelAngle;
            else if (option == "r") {
                if (i + 1 == tokens.size())
                    Fail("the option R needs the reference impedance after it.");
                const double z = Impedance(tokens[++i]);
                if (!referenceFromKeyword_)
                    data_.ReferenceZ0 = z;
            } else
                Fail("unknown option \"" + std::string(tokens[i]) + "\" in the option line.");
        }
        optionSeen_ = true;
    }

    // --- Network data ---

    int ValuesPerPoint() const
    {
        if (ports_ == 1)
            return 3;
        return triangle_ == TTwoPortOrder::Order21_12 ? 9 : 7;
    }

    void TakeData(const std::string& content)
    {
        if (noiseData_ || noiseOfVersion1_)
            return;
        if (version2_ && !inNetworkData_)
            Fail(sawNetworkData_ ? "data after the end of the network data."
                                 : "data before [Network Data].");
        if (ports_ != 1 && ports_ != 2) {
            if (ports_ <= 0)
                Fail("the number of ports is unknown: the file name must end in .s1p or .s2p.");
            Fail("only one- and two-port files can be read; this one has " + std::to_string(ports_) + " ports.");
        }
        const auto tokens = SplitBlanks(content);
        const int perPoint = ValuesPerPoint();
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const double value = Number(tokens[i]);
            if (pending_.empty()) {
                if (i > 0)
                    Fail("too many values: a " + std::string(PortWord(ports_)) + " point has " +
                         std::to_string(perPoint) + " (the frequency and " + std::to_string((perPoint - 1) / 2) +
                         " complex values).");
                if (!StartPoint(value, tokens[i]))
                    return;
            }
            pending_.push_back(value);
            if (static_cast<int>(pending_.size()) == perPoint)
                CompletePending();
        }
    }

    // Checks the frequency that starts a point; false when it starts the noise data of a
    // version 1.1 two-port file (a frequency not above the last one), which is skipped.
    bool StartPoint(double frequency, std::string_view token)
    {
        if (frequency < 0)
            Fail("the frequency " + std::string(token) + " is negative.");
        const double ghz = frequency * toGHz_;
        if (!data_.FrequenciesGHz.empty() && !(ghz > data_.FrequenciesGHz.back())) {
            if (!version2_ && ports_ == 2) {
                noiseOfVersion1_ = true;
                return false;
            }
            Fail("the frequencies must ascend, but " + std::string(token) + " follows " + lastFrequencyText_ + ".");
        }
        if (version2_ && static_cast<int>(data_.Points.size()) == frequencyCount_)
            Fail("more points than [Number of Frequencies] (" + std::to_string(frequencyCount_) + ").");
        pendingLine_ = line_;
        lastFrequencyText_ = std::string(token);
        return true;
    }

    void CompletePending()
    {
        if (pending_.empty())
            return;
        const int perPoint = ValuesPerPoint();
        if (static_cast<int>(pending_.size()) != perPoint) {
            line_ = pendingLine_;
            Fail("the point at frequency " + lastFrequencyText_ + " is incomplete: " +
                 std::to_string(pending_.size()) + " of " + std::to_string(perPoint) + " values.");
        }
        TSParameters s;
        s.S11 = Complex(1);
        if (ports_ == 2) {
            if (triangle_ != TTwoPortOrder::Order21_12) {
                s.S21 = s.S12 = Complex(3);
                s.S22 = Complex(5);
            } else {
                const bool s12First = order_ == TTwoPortOrder::Order12_21;
                s.S21 = Complex(s12First ? 5 : 3);
                s.S12 = Complex(s12First ? 3 : 5);
                s.S22 = Complex(7);
            }
        }
        for (TComplex value : {s.S11, s.S21, s.S12, s.S22})
            if (!std::isfinite(value.real()) || !std::isfinite(value.imag())) {
                line_ = pendingLine_;
                Fail("the values at frequency " + lastFrequencyText_ + " are out of range.");
            }
        data_.FrequenciesGHz.push_back(pending_.front() * toGHz_);
        data_.Points.push_back(s);
        pending_.clear();
    }

    // The complex value whose pair starts at index in the pending point.
    TComplex Complex(std::size_t index) const
    {
        const double a = pending_[index];
        const double b = pending_[index + 1];
        const double radians = b * std::numbers::pi / 180.0;
        switch (format_) {
        case TNumberFormat::RealImaginary:
            return {a, b};
        case TNumberFormat::MagnitudeAngle:
            return std::polar(a, radians);
        case TNumberFormat::DecibelAngle:
            return std::polar(std::pow(10.0, a / 20.0), radians);
        }
        return {};
    }

    double Number(std::string_view token) const
    {
        double value = 0;
        if (!TryParseFloat(token, value) || !std::isfinite(value))
            Fail("\"" + std::string(token) + "\" is not a number.");
        return value;
    }

    void Finish()
    {
        if (pendingReferences_ > 0)
            Fail("[Reference] needs one impedance for each port.");
        CompletePending();
        if (version2_ && sawNetworkData_ && !ended_)
            EndNetworkData();
        if (data_.Points.empty())
            throw EFileTrouble(version2_ && !sawNetworkData_ ? "The file has no [Network Data]."
                                                              : "The file holds no data.");
        data_.Ports = ports_;
    }

    std::string_view text_;
    int ports_;
    int line_ = 0;
    TTouchstoneData data_;

    bool version2_ = false;
    bool sawContent_ = false;
    bool optionSeen_ = false;
    bool portsFromKeyword_ = false;
    bool orderGiven_ = false;
    bool referenceFromKeyword_ = false;
    bool inNetworkData_ = false;
    bool sawNetworkData_ = false;
    bool noiseData_ = false;
    bool noiseOfVersion1_ = false;
    bool ended_ = false;
    int frequencyCount_ = 0;
    int pendingReferences_ = 0;
    std::vector<double> references_;
    TTwoPortOrder order_ = TTwoPortOrder::Order21_12;
    TTwoPortOrder triangle_ = TTwoPortOrder::Order21_12;

    double toGHz_ = 1;
    TNumberFormat format_ = TNumberFormat::MagnitudeAngle;

    std::vector<double> pending_;
    int pendingLine_ = 0;
    std::string lastFrequencyText_;
};

// The port count that a name ending in .sNp states: N, or 0 for any other name.
int PortsFromFileName(const std::string& fileName)
{
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || fileName.find_first_of("/\\", dot) != std::string::npos)
        return 0;
    const std::string extension = LowerCase(std::string_view(fileName).substr(dot + 1));
    if (extension.size() < 3 || extension.front() != 's' || extension.back() != 'p')
        return 0;
    std::int32_t ports = 0;
    return TryParseInt(extension.substr(1, extension.size() - 2), ports) && ports > 0 ? ports : 0;
}

} // namespace

TTouchstoneData ParseTouchstone(std::string_view text, int ports)
{
    return TTouchstoneParser(text, ports).Parse();
}

TTouchstoneData ReadTouchstone(const std::string& fileName)
{
    std::error_code error;
    std::ifstream file(fileName, std::ios::binary);
    if (!std::filesystem::is_regular_file(fileName, error) || !file)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    try {
        return ParseTouchstone(text.str(), PortsFromFileName(fileName));
    } catch (const EFileTrouble& trouble) {
        throw EFileTrouble("Unable to open file: " + fileName + "\n" + trouble.Message());
    }
}
