// The arm formulas of each network, taking the two impedances and the voltage ratio K.
//
// Each result lists the steps of its formula in the order they are evaluated, a common first
// step where there is one, then the arms. Every step carries the first failure of its own
// arithmetic, so a caller that takes the steps in that order and stops at the first failed
// one reports the failure of the earliest operation, and has taken every step before it.
#pragma once

#include "design/checked.h"

namespace zelmarino::design {

// Pi between equal impedances z: both shunt arms are the same.
struct SymmetricPiArms {
    Checked shunt;
    Checked series;
};

// Pi between unequal impedances.
struct PiArms {
    Checked ratio; // sqrt(Zin / Zout)
    Checked shuntAtInput;
    Checked series;
    Checked shuntAtOutput;
};

// T, designed with Zin >= Zout.
struct TArms {
    Checked geometricMean; // sqrt(Zin × Zout): fails before any arm is formed
    Checked seriesAtInput;
    Checked seriesAtOutput;
    Checked shunt; // from the middle node to ground
};

// L: a series arm next to the input port and a shunt arm across the output port.
struct LArms {
    Checked ratio; // sqrt(Zin / Zout)
    Checked series;
    Checked shuntAtOutput;
};

// Bridged T between equal impedances z: two arms of z in series, bridged from port to port,
// and a shunt arm from their junction to ground.
struct BridgedTArms {
    Checked bridge;
    Checked shunt;
};

[[nodiscard]] SymmetricPiArms symmetricPi(Checked z, Checked k);
[[nodiscard]] PiArms pi(Checked zin, Checked zout, Checked k);
[[nodiscard]] TArms t(Checked zin, Checked zout, Checked k);
[[nodiscard]] LArms lMatchedAtOutput(Checked zin, Checked zout, Checked k);
[[nodiscard]] LArms lMatchedAtInput(Checked zin, Checked zout, Checked k);
[[nodiscard]] BridgedTArms bridgedT(Checked z, Checked k);

} // namespace zelmarino::design
