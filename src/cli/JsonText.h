// JSON as the tool writes it: four spaces a level, keys in sorted order, an empty array or
// object still opened and closed on lines of their own, whole numbers below 2^53 without a
// fraction, other numbers in their shortest exact form ("0.001", "1e+21"), a line feed at
// the end.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

std::string IndentedJson(const nlohmann::json& value);
