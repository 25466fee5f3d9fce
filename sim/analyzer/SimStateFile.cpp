#include "SimStateFile.h"

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace {

using Sections = std::vector<std::pair<std::string, std::string>>;

// The sections of the file in their order; lines before the first heading are dropped.
Sections ReadSections(const std::string& path)
{
    Sections sections;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            sections.emplace_back(line.substr(1, line.size() - 2), std::string());
        else if (!sections.empty())
            sections.back().second += line + '\n';
    }
    return sections;
}

} // namespace

SimStateFile::SimStateFile(std::string path, std::string section)
    : path_(std::move(path)), section_(std::move(section))
{
}

std::string SimStateFile::Load() const
{
    if (!Enabled())
        return {};
    for (const auto& [name, text] : ReadSections(path_)) {
        if (name == section_)
            return text;
    }
    return {};
}

bool SimStateFile::Save(const std::string& text) const
{
    if (!Enabled())
        return true;
    Sections sections = ReadSections(path_);
    bool replaced = false;
    for (auto& [name, body] : sections) {
        if (name == section_) {
            body = text;
            replaced = true;
        }
    }
    if (!replaced)
        sections.emplace_back(section_, text);
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << "# Kit memory of the Tessaly simulated analyzer, one section per analyzer family.\n";
    for (const auto& [name, body] : sections)
        out << '[' << name << "]\n" << body;
    out.flush();
    return static_cast<bool>(out);
}
