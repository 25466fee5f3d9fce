// Test helpers for the transfers: a card that records every command written and the progress
// steps between them and answers reads from a script, kits on catalogue models, and a guard
// for a model's selected option.
#pragma once

#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"

#include <gmock/gmock.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

class TRecordingCard final : public TGpibCard {
public:
    static constexpr const char* Step = "<step>"; // the mark of a progress step in Lines

    TRecordingCard() : TGpibCard(gdNone, 0, 0, 0) { SetLoaded(true); }
    void Open() override
    {
        if (FailOpen)
            throw EGpibException("open failed");
        ++Opens;
    }
    void Write(const std::string& command) override
    {
        if (static_cast<int>(Writes().size()) == FailAtWrite)
            throw EGpibException("write failed");
        Lines.push_back(command);
    }
    void Read(std::string& reply) override { reply = Responder ? Responder(Lines) : "0"; }
    void Close() override
    {
        ++Closes;
        if (FailClose)
            throw EGpibException("close failed");
    }

    // Marks each step in Lines and raises EUserAbort at step AbortAtStep (1-based).
    TProgressProc Progress()
    {
        return [this] {
            Lines.push_back(Step);
            if (++Steps == AbortAtStep)
                throw EUserAbort();
        };
    }
    ::Lines Writes() const
    {
        ::Lines writes;
        for (const std::string& line : Lines)
            if (line != Step)
                writes.push_back(line);
        return writes;
    }

    // The reply to a read, given all lines so far (the query is the last); "0" without one,
    // as the no-bus card answers.
    std::function<std::string(const ::Lines&)> Responder;
    ::Lines Lines;
    int Steps = 0, Opens = 0, Closes = 0;
    int AbortAtStep = 0;  // 0: never
    int FailAtWrite = -1; // the 0-based write that raises EGpibException; -1: none
    bool FailOpen = false, FailClose = false;
};

// Replies by standard: "n:QUERY" answers while standard n is selected (the number after the
// last line that starts with Select), then "QUERY"; Otherwise for the rest. A legacy value
// read through the active function ("OFSD;" then "OUTPACTI;") is looked up as "n:OFSD".
struct TScript {
    std::string Select;
    std::map<std::string, std::string> Replies;
    std::string Otherwise = "0";

    std::string operator()(const ::Lines& lines) const
    {
        std::string query = lines.back();
        if (query == "OUTPACTI;")
            query = lines[lines.size() - 2].substr(0, lines[lines.size() - 2].size() - 1);
        int standard = 0;
        for (auto line = lines.rbegin(); line != lines.rend() && standard == 0; ++line)
            if (line->rfind(Select, 0) == 0)
                standard = std::stoi(line->substr(Select.size()));
        for (const std::string& key : {std::to_string(standard) + ":" + query, query})
            if (const auto found = Replies.find(key); found != Replies.end())
                return found->second;
        return Otherwise;
    }
};

inline TVna& Model(const std::string& name)
{
    return *FindVna(name);
}

inline std::unique_ptr<TCalKit> NewKit(const std::string& model)
{
    return TCalKit::Create(Model(model));
}

inline void Define(TCalKit& kit, int number, const TStandardValues& values)
{
    kit.Standard(number).SetValues(values);
}

inline void Assign(TCalKit& kit, int number, const std::array<std::int32_t, 7>& standards, const std::string& label)
{
    kit.StdClass(number).SetValues(TStdClassValues{standards, label});
}

// Puts a catalogue model's selected option back at the end of a test.
class SelectedOptionGuard {
public:
    explicit SelectedOptionGuard(TVna& vna) : vna_(vna), saved_(vna.SelectedOption) {}
    ~SelectedOptionGuard() { vna_.SelectedOption = saved_; }
    SelectedOptionGuard(const SelectedOptionGuard&) = delete;
    SelectedOptionGuard& operator=(const SelectedOptionGuard&) = delete;

private:
    TVna& vna_;
    int saved_;
};

// The lines of card that start with prefix.
inline Lines Starting(const TRecordingCard& card, const std::string& prefix)
{
    Lines found;
    for (const std::string& line : card.Lines)
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    return found;
}

#define EXPECT_LINES(actual, expected) EXPECT_THAT((actual), ::testing::ElementsAreArray(expected))
