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

namespace {

// A whole number given with option; wrong usage when it is none.
int RequireNumber(TCommandLine& commandLine, const QCommandLineOption& option)
{
    const QString text = commandLine.Parser().value(option);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        commandLine.FailUsage(
            QStringLiteral("--%1 takes a whole number, not \"%2\".").arg(option.names().constFirst(), text));
    return value;
}

TGpibDriver RequireDriver(TCommandLine& commandLine, const QCommandLineOption& option)
{
    const QString name = commandLine.Parser().value(option).toLower();
    if (name == QLatin1String("ni"))
        return gdNI;
    if (name == QLatin1String("sicl"))
        return gdAT;
    if (name == QLatin1String("none"))
        return gdNone;
    if (name == QLatin1String("lan"))
        return gdLan;
    if (name == QLatin1String("prologix"))
        return gdPrologix;
    commandLine.FailUsage(QStringLiteral("Unknown card \"%1\": give ni, sicl, none, lan or prologix.")
                              .arg(commandLine.Parser().value(option)));
}

bool IsNetworkCard(TGpibDriver driver) { return driver == gdLan || driver == gdPrologix; }

// The port given with --port; wrong usage outside 1..65535.
int RequirePort(TCommandLine& commandLine, const QCommandLineOption& option)
{
    const QString text = commandLine.Parser().value(option);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 65535)
        commandLine.FailUsage(QStringLiteral("--port takes a number from 1 to 65535, not \"%1\".").arg(text));
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
    : Card(QStringLiteral("card"),
           QStringLiteral("the card: ni (NI-488.2), sicl (SICL), none (no bus: every read answers 0), lan (the "
                          "analyzer's LAN port, raw SCPI socket) or prologix (a Prologix-kind GPIB-Ethernet "
                          "controller); default the first GPIB card whose library is found"),
           QStringLiteral("ni|sicl|none|lan|prologix")),
      Board(QStringLiteral("board"), QStringLiteral("the board number (NI) or interface logical unit (SICL)"),
            QStringLiteral("N")),
      Address(QStringLiteral("address"), QStringLiteral("the analyzer's primary GPIB address, 0 to 30"),
              QStringLiteral("N")),
      Host(QStringLiteral("host"),
           QStringLiteral("the host name or address of the analyzer (lan) or of the controller (prologix)"),
           QStringLiteral("H")),
      Port(QStringLiteral("port"), QStringLiteral("the TCP port (lan: default 5025; prologix: default 1234)"),
           QStringLiteral("P")),
      Log(QStringLiteral("log"), QStringLiteral("print every command and reply, one a line, after the output"))
{
    QCommandLineParser& parser = commandLine.Parser();
    parser.addOption(Card);
    parser.addOption(Board);
    parser.addOption(Address);
    parser.addOption(Host);
    parser.addOption(Port);
    parser.addOption(Log);
}

TCardSession::TCardSession(TCommandLine& commandLine, const TCardOptions& options)
{
    // Read every option before anything touches the bus, so that wrong usage changes nothing.
    const bool explicitCard = commandLine.Parser().isSet(options.Card);
    const TGpibDriver driver = explicitCard ? RequireDriver(commandLine, options.Card) : gdNI;
    const bool board = commandLine.Parser().isSet(options.Board);
    const int boardNumber = board ? RequireNumber(commandLine, options.Board) : 0;
    const bool address = commandLine.Parser().isSet(options.Address);
    const int addressNumber = address ? RequireNumber(commandLine, options.Address) : 0;
    const bool host = commandLine.Parser().isSet(options.Host);
    const std::string hostName = host ? ToLatin1(commandLine.Parser().value(options.Host)) : std::string();
    const bool port = commandLine.Parser().isSet(options.Port);
    const int portNumber = port ? RequirePort(commandLine, options.Port) : 0;
    if (explicitCard && IsNetworkCard(driver)) {
        if (Trim(hostName).empty())
            commandLine.FailUsage(
                QStringLiteral("--card %1 needs --host.").arg(QLatin1String(driver == gdLan ? "lan" : "prologix")));
    } else if (host || port) {
        commandLine.FailUsage(QStringLiteral("--host and --port go with --card lan or --card prologix."));
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

    logging_ = commandLine.Parser().isSet(options.Log);
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
    QString text;
    for (const std::string& line : log_)
        text += FromLatin1(line) + u'\n';
    WriteOut(text);
}

QCommandLineOption GpibOptionOption()
{
    return QCommandLineOption(QStringLiteral("option"),
                              QStringLiteral("the model's GPIB option N: the 8510's cal kit (1 or 2, default 2); "
                                             "the PNA's user kit that send writes (1 to 4: kits 7 to 10, default 4; "
                                             "read takes the kit the analyzer has selected)"),
                              QStringLiteral("N"));
}

void ApplyGpibOption(TCommandLine& commandLine, const QCommandLineOption& option, TVna& vna)
{
    if (!commandLine.Parser().isSet(option))
        return;
    const int number = RequireNumber(commandLine, option);
    const int count = static_cast<int>(vna.GpibOptions.size());
    if (count == 0)
        commandLine.FailUsage(QStringLiteral("The model %1 has no GPIB options.").arg(FromLatin1(vna.ModelName)));
    if (number < 1 || number > count)
        commandLine.FailUsage(QStringLiteral("The model %1 offers the GPIB options 1 to %2, not %3.")
                                  .arg(FromLatin1(vna.ModelName))
                                  .arg(count)
                                  .arg(number));
    vna.SelectOption(number);
}
