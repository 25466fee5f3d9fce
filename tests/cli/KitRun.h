// Runs the built tessaly-kit as a user would and collects its exit status and output.
#pragma once

#include "ChildProcess.h"

#include <string>
#include <vector>

using TKitRun = TProcessResult; // Status -1 when the tool did not end normally within a minute

inline TKitRun Kit(const std::vector<std::string>& arguments, const TEnvironment& environment = SystemEnvironment())
{
    return TChildProcess(TESSALY_KIT_PATH, arguments, environment).Finish();
}

inline std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The words of first, then those of second.
inline std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}
