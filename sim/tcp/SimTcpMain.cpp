// tessaly-sim-tcp: the simulated analyzer on a loopback TCP port, reached as a LAN analyzer
// over its raw SCPI socket or as a legacy analyzer behind a Prologix-kind GPIB-to-Ethernet
// controller. Prints the port it listens on as the first line of its output, then serves
// until SIGTERM (or SIGINT), until its standard input ends (with --until-input-ends) or until
// nothing happened for the idle time limit.
#include "SimTcpServer.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>
#include <vector>

namespace {

std::atomic<int> StopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler sets it");

extern "C" void RequestStop(int) { StopSignal = 1; }

const char* const Usage =
    "usage: tessaly-sim-tcp [options]\n"
    "  --protocol raw|prologix  raw SCPI socket (default) or a Prologix-kind controller\n"
    "  --port P                 loopback port to listen on; 0 (default) picks a free one\n"
    "  --model M                the analyzer model (default TESSALY_SIM_MODEL, else 8753D/E)\n"
    "  --address N              the analyzer's GPIB address behind the controller\n"
    "                           (default TESSALY_SIM_ADDRESS, else 16)\n"
    "  --idle-limit S           stop after S seconds without a connection or a byte (default 300)\n"
    "  --log FILE               append every event to FILE, one line each\n"
    "  --close-after N          drop the connection when its Nth message arrives\n"
    "  --silent                 take every byte and never answer\n"
    "  --until-input-ends       stop when standard input ends (where there is no SIGTERM)\n"
    "  --hostile-reply          answer every query with ESC ]0;x BEL CR LF (sets a terminal's title)\n";

struct Options {
    std::string protocol = "raw";
    long port = 0;
    std::string model;
    long address = 16;
    long idleSeconds = 300;
    std::string log;
    long closeAfter = 0;
    bool silent = false;
    bool untilInputEnds = false;
    bool hostileReply = false;
};

[[noreturn]] void FailUsage(const std::string& message)
{
    std::fprintf(stderr, "tessaly-sim-tcp: %s\n%s", message.c_str(), Usage);
    std::exit(2);
}

long Number(const std::string& option, const std::string& text, long low, long high)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high)
        FailUsage(option + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high));
    return value;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

Options ParseOptions(const std::vector<std::string>& arguments)
{
    Options options;
    options.model = Environment("TESSALY_SIM_MODEL");
    if (options.model.empty())
        options.model = "8753D/E";
    const std::string address = Environment("TESSALY_SIM_ADDRESS");
    if (!address.empty())
        options.address = Number("TESSALY_SIM_ADDRESS", address, 0, 30);

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            std::fputs(Usage, stdout);
            std::exit(0);
        }
        if (option == "--silent") {
            options.silent = true;
            continue;
        }
        if (option == "--until-input-ends") {
            options.untilInputEnds = true;
            continue;
        }
        if (option == "--hostile-reply") {
            options.hostileReply = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            FailUsage(option == "--protocol" || option == "--port" || option == "--model" ||
                              option == "--address" || option == "--idle-limit" || option == "--log" ||
                              option == "--close-after"
                          ? option + " needs a value"
                          : "unknown option " + option);
        const std::string& value = arguments[++i];
        if (option == "--protocol") {
            if (value != "raw" && value != "prologix")
                FailUsage("--protocol is raw or prologix");
            options.protocol = value;
        }
        else if (option == "--port")
            options.port = Number(option, value, 0, 65535);
        else if (option == "--model")
            options.model = value;
        else if (option == "--address")
            options.address = Number(option, value, 0, 30);
        else if (option == "--idle-limit")
            options.idleSeconds = Number(option, value, 1, 86400);
        else if (option == "--log")
            options.log = value;
        else if (option == "--close-after")
            options.closeAfter = Number(option, value, 1, 1000000);
        else
            FailUsage("unknown option " + option);
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);
    if (options.untilInputEnds)
        std::thread([] {
            while (std::fgetc(stdin) != EOF) {
            }
            StopSignal = 1;
        }).detach();
    try {
        SimAnalyzer analyzer(options.model);
        const SimTcpTranscript transcript(options.log);
        SimTcpInstrument instrument(analyzer, transcript, options.closeAfter, int(options.address));
        const auto session = MakeSimTcpSession(options.protocol, instrument);
        SimTcpServer server(int(options.port), *session, instrument, SimTcpFaults{options.silent, options.hostileReply});
        std::printf("%d\n", server.Port());
        std::fflush(stdout);
        server.Run([] { return StopSignal != 0; }, std::chrono::seconds(options.idleSeconds));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessaly-sim-tcp: %s\n", error.what());
        return 1;
    }
    return 0;
}
