#include "bus/GpibCardUnit.h"

#include "bus/ATGpibCard.h"
#include "bus/LanCard.h"
#include "bus/NIGpibCard.h"
#include "bus/PrologixCard.h"
#include "kit/Utility.h"

#include <chrono>
#include <stdexcept>
#include <thread>
#include <utility>

TGpibCards GpibCards;
TGpibCard* CurrentGpibCard = nullptr;
bool LogGpib = false;
bool NoGpib = false;

namespace {

TGpibEventHook EventHook;
TGpibLogSink LogSink;

constexpr auto PauseLength = std::chrono::milliseconds(10);

} // namespace

void SetGpibEventHook(TGpibEventHook hook) { EventHook = std::move(hook); }
void SetGpibLogSink(TGpibLogSink sink) { LogSink = std::move(sink); }

void ProcessGpibEvents()
{
    // A copy, so that a hook which replaces itself while running stays alive.
    const TGpibEventHook hook = EventHook;
    if (hook)
        hook();
}

TGpibCard::TGpibCard(TGpibDriver driver, int minBoard, int maxBoard, int board)
    : FMaxBoard(maxBoard), FMinBoard(minBoard), FDriver(driver), FBoard(board)
{
}

void TGpibCard::SetBoard(int value) { FBoard = ClampInt(value, FMinBoard, FMaxBoard); }

void TGpibCard::SetAddress(int value) { FAddress = static_cast<std::int16_t>(ClampInt(value, 0, 30)); }

void TGpibCard::Wait()
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + PauseLength;
    // A copy, so that a hook which replaces itself while running stays alive.
    const TGpibEventHook hook = EventHook;
    if (hook) {
        do
            hook();
        while (Clock::now() < deadline);
        return;
    }
    while (Clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}

void TGpibCard::Log(const std::string& text)
{
    if (!LogGpib || !LogSink)
        return;
    const TGpibLogSink sink = LogSink;
    // A reply is whatever came over the bus; the log shows its control characters escaped.
    sink(EscapeControlCharacters(text));
}

TNoGpibCard::TNoGpibCard() : TGpibCard(gdNone, 0, 0, 0) { SetLoaded(true); }

void TNoGpibCard::Write(const std::string& command)
{
    Wait();
    Log(command);
}

void TNoGpibCard::Read(std::string& reply)
{
    Wait();
    const std::string zero = "0";
    reply = zero;
    Log(reply);
}

void CreateGpibCards()
{
    FreeGpibCards();
    GpibCards[gdNI] = std::make_unique<TNIGpibCard>();
    GpibCards[gdAT] = std::make_unique<TATGpibCard>();
    GpibCards[gdNone] = std::make_unique<TNoGpibCard>();
    GpibCards[gdLan] = std::make_unique<TLanCard>();
    GpibCards[gdPrologix] = std::make_unique<TPrologixCard>();
}

void FreeGpibCards()
{
    CurrentGpibCard = nullptr;
    for (auto& card : GpibCards)
        card.reset();
}

TGpibCard& ChooseStartupGpibCard(int storedDriver, int storedBoard, int storedAddress)
{
    for (const auto& card : GpibCards)
        if (!card)
            throw std::logic_error("ChooseStartupGpibCard: the GPIB cards have not been created");

    const int driver = storedDriver >= gdNI && storedDriver <= gdPrologix ? storedDriver : gdNI;
    TGpibCard* card = GpibCards[driver].get();
    for (std::size_t i = gdNI; !card->Loaded() && i <= gdNone; ++i)
        card = GpibCards[i].get();

    if (storedBoard >= card->MinBoard() && storedBoard <= card->MaxBoard())
        card->SetBoard(storedBoard);
    if (storedAddress >= 0 && storedAddress <= 30)
        card->SetAddress(storedAddress);
    CurrentGpibCard = card;
    return *card;
}
