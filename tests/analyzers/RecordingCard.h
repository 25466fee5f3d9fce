// A card for transfer tests: it records every command written, in order, together with the
// progress steps taken between them, and answers every read from a script.
#pragma once

#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "kit/Utility.h"

#include <functional>
#include <string>
#include <vector>

class TRecordingCard final : public TGpibCard {
public:
    // The mark a progress step leaves in Lines.
    static constexpr const char* Step = "<step>";

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
    void Read(std::string& reply) override
    {
        reply = Responder ? Responder(Lines) : "0";
        ++Reads;
    }
    void Close() override { ++Closes; }

    // The progress procedure of a transfer: it marks the step, and raises EUserAbort at
    // step AbortAtStep (1-based).
    TProgressProc Progress()
    {
        return [this] {
            Lines.push_back(Step);
            if (++Steps == AbortAtStep)
                throw EUserAbort();
        };
    }

    // The written commands without the step marks.
    std::vector<std::string> Writes() const
    {
        std::vector<std::string> writes;
        for (const std::string& line : Lines)
            if (line != Step)
                writes.push_back(line);
        return writes;
    }

    // The reply to a read, given everything written so far (the query is the last line);
    // "0" without a responder, as the no-bus card answers.
    std::function<std::string(const std::vector<std::string>& lines)> Responder;
    std::vector<std::string> Lines;
    int Steps = 0;
    int Reads = 0;
    int Opens = 0;
    int Closes = 0;
    int AbortAtStep = 0;  // 0: never
    int FailAtWrite = -1; // the write (0-based) that raises EGpibException; -1: none
    bool FailOpen = false;
};
