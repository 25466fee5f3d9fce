// A kit file of any readable format, read for a comparison together with the rules of the way
// its values took: exact for the kit file, the disk file's rounding and what it keeps for the
// analyzers' disk files.
#pragma once

#include "compare/CompareRules.h"

#include <memory>
#include <string>

class TCalKit;
class TVna;

struct TComparedKit {
    std::unique_ptr<TCalKit> Kit;
    TCompareRules Rules;
};

// The format goes by the name: "*.ck" an 8753-family disk file, a name starting "CK_" an
// 8510 disk file (letter case ignored), any other a kit file. A disk file is read by model
// when model has disk files of that kind, else by the format's default model (8753D/E,
// 8510C); a kit file keeps its own model. The readers' file errors pass on.
TComparedKit ReadComparedKit(const std::string& fileName, TVna& model);
