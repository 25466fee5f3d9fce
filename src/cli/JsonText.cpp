#include "JsonText.h"

#include <charconv>
#include <cmath>

namespace {

std::string Number(double number)
{
    // Whole numbers that a double holds exactly read as integers.
    if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 9007199254740992.0)
        return std::to_string(static_cast<long long>(number));
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, number);
    return std::string(text, result.ptr);
}

void Write(std::string& out, const nlohmann::json& value, int depth)
{
    const std::string indent(static_cast<std::size_t>(4 * (depth + 1)), ' ');
    const std::string closing(static_cast<std::size_t>(4 * depth), ' ');
    if (value.is_object()) {
        out += "{\n";
        for (auto item = value.begin(); item != value.end(); ++item) {
            out += indent + nlohmann::json(item.key()).dump() + ": ";
            Write(out, item.value(), depth + 1);
            out += std::next(item) == value.end() ? "\n" : ",\n";
        }
        out += closing + '}';
    } else if (value.is_array()) {
        out += "[\n";
        for (auto item = value.begin(); item != value.end(); ++item) {
            out += indent;
            Write(out, *item, depth + 1);
            out += std::next(item) == value.end() ? "\n" : ",\n";
        }
        out += closing + ']';
    } else if (value.is_number_float()) {
        out += Number(value.get<double>());
    } else {
        out += value.dump();
    }
}

} // namespace

std::string IndentedJson(const nlohmann::json& value)
{
    std::string out;
    Write(out, value, 0);
    return out + '\n';
}
