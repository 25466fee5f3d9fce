#include "SimAnalyzer.h"

#include "SimEnvironment.h"
#include "SimErrorQueue.h"
#include "SimKitMemory.h"
#include "SimLegacyInterpreter.h"
#include "SimModel.h"
#include "SimScpiInterpreter.h"
#include "SimStateFile.h"

#include <optional>

namespace {

constexpr std::uint8_t kMessageAvailable = 16;

std::unique_ptr<SimInterpreter> MakeInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors)
{
    if (model.family == SimFamily::Pna)
        return std::make_unique<SimScpiInterpreter>(model, memory, errors);
    return std::make_unique<SimLegacyInterpreter>(model, memory, errors);
}

} // namespace

struct SimAnalyzer::Impl {
    explicit Impl(const SimModel& m)
        : model(m), name(m.name), memory(KitSlots(m.family), StandardsPerKit(m.family)),
          errors(SimEnvironment("TESSALY_SIM_ERROR")), interpreter(MakeInterpreter(m, memory, errors)),
          stateFile(SimEnvironment("TESSALY_SIM_STATE"), FamilySection(m.family))
    {
        memory.FromText(stateFile.Load());
        savedText = memory.ToText();
    }

    // Writes the memory to the state file when a message changed it.
    void Persist()
    {
        const std::string text = memory.ToText();
        if (!stateFile.Enabled() || text == savedText)
            return;
        if (stateFile.Save(text))
            savedText = text;
        else
            errors.Push(interpreter->StorageError(stateFile.Path()));
    }

    const SimModel& model;
    const std::string name;
    SimKitMemory memory;
    SimErrorQueue errors;
    std::unique_ptr<SimInterpreter> interpreter;
    SimStateFile stateFile;
    std::string savedText; // the memory as the state file holds it
    std::optional<std::string> reply;
};

SimAnalyzer::SimAnalyzer(const std::string& modelName) : impl_(std::make_unique<Impl>(FindSimModel(modelName))) {}

SimAnalyzer::~SimAnalyzer() = default;

void SimAnalyzer::Write(const std::string& message)
{
    std::string text = message;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    impl_->reply = impl_->interpreter->Execute(text);
    impl_->Persist();
}

std::string SimAnalyzer::Read()
{
    if (!impl_->reply)
        return {};
    std::string text = *impl_->reply + "\n";
    impl_->reply.reset();
    return text;
}

void SimAnalyzer::Clear()
{
    impl_->reply.reset();
}

std::uint8_t SimAnalyzer::StatusByte() const
{
    std::uint8_t status = 0;
    if (impl_->errors.HasError())
        status |= impl_->interpreter->ErrorQueueBit();
    if (impl_->reply)
        status |= kMessageAvailable;
    return status;
}

const std::string& SimAnalyzer::Model() const
{
    return impl_->name;
}

std::string SimAnalyzer::KitMemoryText() const
{
    return impl_->memory.ToText();
}
