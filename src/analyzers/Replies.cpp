#include "analyzers/Replies.h"

#include "bus/GpibCardUnit.h"
#include "kit/Utility.h"

#include <cfloat>

namespace {

constexpr int ReplyDecimals = 4;

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

std::string Query(TGpibCard& card, const std::string& command)
{
    card.Write(command);
    std::string reply;
    card.Read(reply);
    return reply;
}

double ReplyNumber(const std::string& reply)
{
    return ParseFloatOrZero(reply, '.');
}

double ReplyRounded(const std::string& reply)
{
    return RoundTo(ReplyNumber(reply), ReplyDecimals);
}

double ReplyScaled(const std::string& reply, long double scale)
{
    const long double product = static_cast<long double>(ReplyNumber(reply)) * scale;
    const long double rounded = RoundToExtended(product, ReplyDecimals);
    // A product beyond the 64-bit range becomes its largest value; the setters clamp it anyway.
    if (rounded > DBL_MAX)
        return DBL_MAX;
    if (rounded < -DBL_MAX)
        return -DBL_MAX;
    return static_cast<double>(rounded);
}

std::int32_t ReplyInteger(const std::string& reply)
{
    return ParseIntOrZero(reply);
}

bool IsYesReply(const std::string& reply)
{
    return reply == "1";
}

char SecondCharacter(const std::string& reply)
{
    return reply.size() >= 2 ? reply[1] : '\0';
}

std::string UnquotedReply(const std::string& reply)
{
    std::string text = Trim(reply);
    if (!text.empty() && IsQuote(text.front()))
        text.erase(0, 1);
    if (!text.empty() && IsQuote(text.back()))
        text.pop_back();
    return text;
}

std::string KeywordReply(const std::string& reply)
{
    return FirstChars(UpperAscii(Trim(reply)), 4);
}
