// The GPIB interface card behind every exchange with an analyzer: the abstract card, the
// no-bus card, the three program-wide cards and the current one, and the hooks through which
// the user interface keeps itself responsive during a pause and receives the traffic log.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The kind of a card. The numbers are stored with the settings and index GpibCards: the
// three GPIB kinds first, then the network cards (LanCard.h, PrologixCard.h).
enum TGpibDriver : std::uint8_t { gdNI = 0, gdAT = 1, gdNone = 2, gdLan = 3, gdPrologix = 4 };

// One GPIB interface card. Users keep this order: Open, any number of Write/Read pairs (a
// query is a Write followed by one Read), then Close, which follows even when something in
// between raised. An Open that raised is not followed by Close. Every bus failure raises
// EGpibException with the complete message.
class TGpibCard {
public:
    TGpibCard(const TGpibCard&) = delete;
    TGpibCard& operator=(const TGpibCard&) = delete;

    // Board number clamped to MinBoard()..MaxBoard().
    virtual void SetBoard(int value);
    // Interface clear, device clear, remote state.
    virtual void Open() = 0;
    // Sends one command string.
    virtual void Write(const std::string& command) = 0;
    // Receives one reply into reply. A card without its library leaves reply unchanged.
    virtual void Read(std::string& reply) = 0;
    // The analyzer back to local; the bus released.
    virtual void Close() = 0;
    virtual ~TGpibCard() = default;

    // Primary GPIB address of the analyzer, clamped to 0..30.
    void SetAddress(int value);
    int Address() const { return FAddress; }
    int Board() const { return FBoard; }
    int MinBoard() const { return FMinBoard; }
    int MaxBoard() const { return FMaxBoard; }
    TGpibDriver Driver() const { return FDriver; }
    // The card's library and all its entry points are bound; when false every bus
    // operation of the card does nothing.
    bool Loaded() const { return FLoaded; }

    // The pause between transfers: at least 10 ms, during which the installed event hook
    // runs over and over so that a Cancel button stays live.
    void Wait();
    // Appends text as one line to the traffic log while LogGpib is on and a log sink is
    // installed; control characters in it appear escaped (EscapeControlCharacters).
    void Log(const std::string& text);

protected:
    TGpibCard(TGpibDriver driver, int minBoard, int maxBoard, int board);
    void SetLoaded(bool loaded) { FLoaded = loaded; }

private:
    int FMaxBoard;
    int FMinBoard;
    bool FLoaded = false;
    TGpibDriver FDriver;
    int FBoard;
    std::int16_t FAddress = 16;
};

// The card that talks to nothing: writes are logged, every read answers "0". Never raises.
class TNoGpibCard final : public TGpibCard {
public:
    TNoGpibCard();
    void Open() override {}
    void Write(const std::string& command) override;
    void Read(std::string& reply) override;
    void Close() override {}
};

// Hooks that the user interface (or a test) installs; an empty function removes one.
// The event hook processes pending user-interface events once per call.
using TGpibEventHook = std::function<void()>;
// The log sink appends one line to the traffic log; it is installed while the log exists.
using TGpibLogSink = std::function<void(const std::string& line)>;
void SetGpibEventHook(TGpibEventHook hook);
void SetGpibLogSink(TGpibLogSink sink);
// Runs the installed event hook once, if there is one: for the waits of the network cards,
// which keep the user interface live between short slices of their own.
void ProcessGpibEvents();

// One card of each kind, indexed by TGpibDriver; owns the cards.
using TGpibCards = std::array<std::unique_ptr<TGpibCard>, 5>;
extern TGpibCards GpibCards;
// The card every transfer uses; one element of GpibCards, or nullptr before the start-up
// choice.
extern TGpibCard* CurrentGpibCard;
// The traffic log is on.
extern bool LogGpib;
// The user has chosen the no-bus card from the Debug menu.
extern bool NoGpib;

// Creates the cards in the order NI, SICL, no-bus, LAN, Prologix; the NI and SICL cards bind
// their libraries now. Replaces any cards created before.
void CreateGpibCards();
// Destroys the cards and unsets CurrentGpibCard.
void FreeGpibCards();

// The start-up choice of the current card from the stored driver number, board and address.
// A driver outside 0..4 counts as 0; when that card's library is not bound, the first bound
// card among NI, SICL and no-bus is taken (the no-bus card at the latest; the network cards
// are always bound). The stored board is applied
// only within the chosen card's range, the stored address only within 0..30. GpibCards
// must have been created.
TGpibCard& ChooseStartupGpibCard(int storedDriver, int storedBoard, int storedAddress);
