#include "CardOptions.h"

#include "CliSupport.h"
#include "analyzers/BusTransfer.h"
#include "analyzers/Vna.h"
#include "bus/AT_gpib.h"
#include "bus/GpibCardUnit.h"
#include "bus/NI_gpib.h"
#include "bus/NetworkCard.h"
#include "bus/UserInterrupt.h"
#include "kit/Utility.h"

#include <algorithm>
#include <cctype>

namespace {

TGpibDriver RequireDriver(TCommandLine& commandLine, const TOption& option)
{
    std::string name = option.Value();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name == "ni")
        return gdNI;
    if (name == "sicl")
        return gdAT;
    if (name == "none")
        return gdNone;
    if (name == "lan")
        return gdLan;
    if (name == "prologix")
        return gdPrologix;
    commandLine.FailUsage("Unknown card \"" + option.Value() + "\": give ni, sicl, none, lan or prologix.");
}

bool IsNetworkCard(TGpibDriver driver) { return driver == gdLan || driver == gdPrologix; }

// The port given with --port; wrong usage outside 1..65535.
int RequirePort(TCommandLine& commandLine, const TOption& option)
{
    const std::string text = option.Value();
    std::int32_t value = 0;
    if (!TryParseInt(text, value) || value < 1 || value > 65535)
        commandLine.FailUsage("--port takes a number from 1 to 65535, not \"" + text + "\".");
    return value;
}

std::string UnboundLibraryMessage(TGpibDriver driver)
{
    if (driver == gdNI)
        return "The NI-488.2 library \"" + Gpib32LibraryName() + "\" could not be loaded.";
    return "The SICL library \"" + Sicl32LibraryName() + "\" could not be loaded.";
}

} // namespace

TCardOptions::TCardOptions(TCommandLine& commandLine)
    : Card(commandLine.AddOption("--card", "ni|sicl|none|lan|prologix",
                                 "the card: ni (NI-488.2), sicl (SICL), none (no bus: every read answers 0), lan (the "
                                 "analyzer's LAN port, raw SCPI socket) or prologix (a Prologix-kind GPIB-Ethernet "
                                 "controller); default the first GPIB card whose library is found")),
      Board(commandLine.AddOption("--board", "N", "the board number (NI) or interface logical unit (SICL)")),
      Address(commandLine.AddOption("--address", "N", "the analyzer's primary GPIB address, 0 to 30")),
      Host(commandLine.AddOption("--host", "H",
                                 "the host name or address of the analyzer (lan) or of the controller (prologix)")),
      Port(commandLine.AddOption("--port", "P", "the TCP port (lan: default 5025; prologix: default 1234)")),
      Log(commandLine.AddFlag("--log", "print every command and reply, one a line, after the output"))
{
}

TCardSession::TCardSession(TCommandLine& commandLine, const TCardOptions& options)
{
    // Read every option before anything touches the bus, so that wrong usage changes nothing.
    const bool explicitCard = options.Card.IsSet();
    const TGpibDriver driver = explicitCard ? RequireDriver(commandLine, options.Card) : gdNI;
    const bool board = options.Board.IsSet();
    const int boardNumber = board ? commandLine.RequireNumber(options.Board) : 0;
    const bool address = options.Address.IsSet();
    const int addressNumber = address ? commandLine.RequireNumber(options.Address) : 0;
    const bool host = options.Host.IsSet();
    const std::string hostName = ToLatin1(options.Host.Value());
    const bool port = options.Port.IsSet();
    const int portNumber = port ? RequirePort(commandLine, options.Port) : 0;
    if (explicitCard && IsNetworkCard(driver)) {
        if (Trim(hostName).empty())
            commandLine.FailUsage(std::string("--card ") + (driver == gdLan ? "lan" : "prologix") + " needs --host.");
    } else if (host || port) {
        commandLine.FailUsage("--host and --port go with --card lan or --card prologix.");
    }

    CreateGpibCards();
    if (explicitCard) {
        card_ = GpibCards[driver].get();
        if (!card_->Loaded()) {
            FreeGpibCards();
            throw EGpibException(UnboundLibraryMessage(driver));
        }
        CurrentGpibCard = card_;
    } else {
        // Nothing stored: the first bound card keeps its own board and address.
        card_ = &ChooseStartupGpibCard(gdNI, -1, -1);
    }
    if (board)
        card_->SetBoard(boardNumber);
    if (address)
        card_->SetAddress(addressNumber);
    if (TNetworkCard* network = AsNetworkCard(card_)) {
        network->SetHost(hostName);
        if (port)
            network->SetPort(portNumber);
    }

    logging_ = options.Log.IsSet();
    if (logging_) {
        SetGpibLogSink([this](const std::string& line) { log_.push_back(line); });
        LogGpib = true;
    }
}

TCardSession::~TCardSession()
{
    LogGpib = false;
    SetGpibLogSink({});
    FreeGpibCards();
}

void TCardSession::Transfer(const std::function<void(TGpibCard&)>& action)
{
    const TUserInterrupt interrupt;
    WithOpenCard(*card_, [&] { action(*card_); });
}

int TCardSession::WithLog(const std::function<int()>& body)
{
    int status = ExitFailure;
    try {
        status = body();
    } catch (...) {
        PrintLog();
        throw;
    }
    PrintLog();
    return status;
}

void TCardSession::PrintLog() const
{
    if (!logging_)
        return;
    std::string text;
    for (const std::string& line : log_)
        text += FromLatin1(line) + '\n';
    WriteOut(text);
}

TOption AddGpibOption(TCommandLine& commandLine)
{
    return commandLine.AddOption("--option", "N",
                                 "the model's GPIB option N: the 8510's cal kit (1 or 2, default 2); the PNA's user "
                                 "kit that send writes (1 to 4: kits 7 to 10, default 4; read takes the kit the "
                                 "analyzer has selected)");
}

void ApplyGpibOption(TCommandLine& commandLine, const TOption& option, TVna& vna)
{
    if (!option.IsSet())
        return;
    const int number = commandLine.RequireNumber(option);
    const int count = static_cast<int>(vna.GpibOptions.size());
    if (count == 0)
        commandLine.FailUsage("The model " + FromLatin1(vna.ModelName) + " has no GPIB options.");
    if (number < 1 || number > count)
        commandLine.FailUsage("The model " + FromLatin1(vna.ModelName) + " offers the GPIB options 1 to " +
                              std::to_string(count) + ", not " + std::to_string(number) + ".");
    vna.SelectOption(number);
}
