// The file in which the simulated analyzer's kit memory outlives the process. The file holds
// one section per analyzer family, headed "[8753]", "[8510]" or "[PNA]"; an analyzer reads
// and rewrites only its own family's section and keeps the others as they are.
#pragma once

#include <string>

class SimStateFile {
public:
    // An empty path means no file: nothing is loaded or saved.
    SimStateFile(std::string path, std::string section);

    bool Enabled() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    // The lines of this section; empty when the file or the section does not exist.
    std::string Load() const;
    // Replaces this section with text (lines ending in line feeds); false when the file
    // cannot be written.
    bool Save(const std::string& text) const;

private:
    std::string path_;
    std::string section_;
};
