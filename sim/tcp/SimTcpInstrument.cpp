#include "SimTcpInstrument.h"

#include "SimBus.h"

#include <fstream>

void SimTcpTranscript::Add(const std::string& event) const
{
    if (path_.empty())
        return;
    std::ofstream file(path_, std::ios::binary | std::ios::app);
    file << event << '\n';
}

void SimTcpTranscript::Add(const std::string& event, const std::string& bytes) const
{
    Add(event + " " + SimQuoted(bytes.data(), bytes.size()));
}

SimTcpInstrument::SimTcpInstrument(SimAnalyzer& analyzer, const SimTcpTranscript& transcript, long closeAfter,
                                   int address)
    : analyzer_(analyzer), transcript_(transcript), closeAfter_(closeAfter), address_(address)
{
}

void SimTcpInstrument::StartConnection()
{
    messages_ = 0;
    transcript_.Add("connect");
}

void SimTcpInstrument::Deliver(const std::string& message)
{
    if (++messages_ == closeAfter_) {
        transcript_.Add("hangup");
        throw SimHangUp{};
    }
    transcript_.Add("message", message);
    analyzer_.Write(message);
}

std::string SimTcpInstrument::Reply()
{
    std::string reply = analyzer_.Read();
    if (!reply.empty())
        transcript_.Add("reply", reply);
    return reply;
}

void SimTcpInstrument::Clear() { analyzer_.Clear(); }
