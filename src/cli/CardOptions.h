// What identify, send and read share: the card options (--card, --board, --address, --host,
// --port, --log), the card session they set up for one run, and the model's GPIB option
// (--option).
#pragma once

#include "CliSupport.h"

#include <functional>
#include <string>
#include <vector>

class TCommandLine;
class TGpibCard;
class TVna;

// Declares the card options on a command's parser; read them back after parsing.
class TCardOptions {
public:
    explicit TCardOptions(TCommandLine& commandLine);

    const TOption Card;
    const TOption Board;
    const TOption Address;
    const TOption Host;
    const TOption Port;
    const TOption Log;
};

// The program's cards for one run, and the one the options choose: --card, else the first
// card whose library is bound (the no-bus card at the latest), as at start-up; then --board
// and --address, clamped to the card's ranges. The network cards (--card lan or prologix)
// need --host and take --port (1 to 65535; else the card's standard port); the other cards
// take neither. With --log the traffic log is
// collected and printed to standard output, one line each, after the run's own output.
class TCardSession {
public:
    // Raises EGpibException naming the library when --card asks for a card whose library
    // could not be loaded; wrong usage for an unknown card, a number that is none, a network
    // card without a host, or a host or port for another card.
    TCardSession(TCommandLine& commandLine, const TCardOptions& options);
    ~TCardSession();
    TCardSession(const TCardSession&) = delete;
    TCardSession& operator=(const TCardSession&) = delete;

    TGpibCard& Card() const { return *card_; }

    // Runs action with the card opened; the card is closed again whenever opening succeeded.
    // Ctrl-C meanwhile ends it with EUserAbort at the card's next pause or wait.
    void Transfer(const std::function<void(TGpibCard&)>& action);
    // Runs the command's body, then prints the traffic log, also when body raised. Returns
    // body's exit status.
    int WithLog(const std::function<int()>& body);

private:
    void PrintLog() const;

    TGpibCard* card_ = nullptr;
    bool logging_ = false;
    std::vector<std::string> log_;
};

// Declares --option N: which of the model's GPIB options a transfer uses (PNA kit slot, 8510
// cal kit).
TOption AddGpibOption(TCommandLine& commandLine);
// Selects the option given with --option on vna; wrong usage when vna offers no option of
// that number. Nothing happens without --option.
void ApplyGpibOption(TCommandLine& commandLine, const TOption& option, TVna& vna);
