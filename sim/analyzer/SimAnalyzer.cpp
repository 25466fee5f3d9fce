#include "SimAnalyzer.h"

#include <algorithm>
#include <cctype>

// First version: identification and empty replies. The full command interpreter follows.
struct SimAnalyzer::Impl {
    std::string model;
    std::string pending;
};

SimAnalyzer::SimAnalyzer(const std::string& modelName) : impl_(new Impl)
{
    impl_->model = modelName.empty() ? "8753D/E" : modelName;
}

SimAnalyzer::~SimAnalyzer() { delete impl_; }

void SimAnalyzer::Write(const std::string& message)
{
    std::string m = message;
    std::transform(m.begin(), m.end(), m.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    if (m.find("*IDN?") != std::string::npos || m.find("OUTPIDEN") != std::string::npos)
        impl_->pending = "SIMULATED," + impl_->model + ",0,1.00\n";
    else if (m.find('?') != std::string::npos || m.find("OUTP") != std::string::npos)
        impl_->pending = "0\n";
}

std::string SimAnalyzer::Read()
{
    std::string r;
    r.swap(impl_->pending);
    return r;
}

void SimAnalyzer::Clear() { impl_->pending.clear(); }

std::uint8_t SimAnalyzer::StatusByte() const { return 0; }

const std::string& SimAnalyzer::Model() const { return impl_->model; }
