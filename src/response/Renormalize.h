// S-parameters measured at one reference impedance, expressed at another: a file written at
// 75 ohm compared with a kit whose system impedance is 50 ohm.
#pragma once

#include "response/Touchstone.h"

// The S-parameters of a one- or two-port (both ports at fromZ0) at the reference impedance
// toZ0 on both ports. A one-port changes S11 only.
TSParameters Renormalized(const TSParameters& s, int ports, double fromZ0, double toZ0);

// The whole measurement at z0; its ReferenceZ0 becomes z0. Unchanged when it is there already.
TTouchstoneData RenormalizedTo(TTouchstoneData data, double z0);
