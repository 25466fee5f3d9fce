// The analyzer models the simulator can stand in for, and what sets them apart on the bus.
#pragma once

#include <string>

enum class SimFamily { Hp8753, Hp8510, Pna };

struct SimModel {
    const char* name;      // catalogue spelling without the "Agilent " prefix
    SimFamily family;
    const char* identity;  // reply to the identification query, without the line feed
    bool trlSettings;      // knows CALZ and SETR (TRL reference impedance and reference plane)
    bool shortInductance;  // knows L0..L3 for shorts
    bool lowband;          // knows LOWF (TRL low-band frequency)
    int classes;           // standard classes of a PNA kit (ORDer/OLISt suffixes)
};

// The model whose name matches (letter case and an "Agilent " prefix ignored); 8753D/E when
// no model matches.
const SimModel& FindSimModel(const std::string& name);

// Standards per kit, and the user kits the instrument holds: 8 and 1 on the 8753 family,
// 21 and 2 on the 8510, 8 and 10 on the PNA.
int StandardsPerKit(SimFamily family);
int KitSlots(SimFamily family);
// The name of the family's section in the state file.
const char* FamilySection(SimFamily family);
