// Replies of a mnemonic-command analyzer for the upload tests, by standard: the reply to a
// query while standard n is being defined is looked up as "n:QUERY", then as "QUERY". A value
// asked for through the active function ("OFSD;" then "OUTPACTI;") is looked up by its
// mnemonic ("n:OFSD"). Anything not in the script answers Otherwise.
#pragma once

#include "RecordingCard.h"

#include <map>
#include <string>
#include <vector>

struct TLegacyScript {
    std::map<std::string, std::string> Replies;
    std::string Otherwise = "0";

    std::string operator()(const std::vector<std::string>& lines) const
    {
        std::string query = lines.back();
        if (query == "OUTPACTI;" && lines.size() >= 2)
            query = lines[lines.size() - 2].substr(0, lines[lines.size() - 2].size() - 1); // "OFSD;" -> "OFSD"
        const std::string prefix = std::to_string(StandardBeingDefined(lines)) + ":";
        if (const auto found = Replies.find(prefix + query); found != Replies.end())
            return found->second;
        if (const auto found = Replies.find(query); found != Replies.end())
            return found->second;
        return Otherwise;
    }

    // The number of the last "DEFSn;" written; 0 before the first.
    static int StandardBeingDefined(const std::vector<std::string>& lines)
    {
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            if (line->rfind("DEFS", 0) == 0)
                return std::stoi(line->substr(4));
        return 0;
    }
};
