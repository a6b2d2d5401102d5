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

// One resistor between a source of Zin and a load of Zout. The loss is the transducer loss
// every check here measures (power available from the source over power into the load), so
// that between unequal impedances it counts the mismatch the single arm leaves.
//
// In series the load has Zout / (Zin + R + Zout) of the source's voltage, so
// K = (Zin + Zout + R) / (2 sqrt(Zin Zout)) and R = 2K sqrt(Zin Zout) - (Zin + Zout): the
// handbooks' 2Z(K - 1) between equal impedances.
// Across the line, with P = R || Zout, K = (Zin + P) / (2P) sqrt(Zout / Zin), so
// P = Zin / (2K sqrt(Zin / Zout) - 1) and R = Zin Zout / ((2K sqrt(Zin / Zout) - 1) Zout - Zin):
// the handbooks' Z / (2(K - 1)) between equal impedances.
// Either arm is a wire or open at the mismatch loss, 20 log10((Zin + Zout) / (2 sqrt(Zin Zout))),
// and negative below it: no single resistor loses less.
struct SingleArm {
    Checked ratio; // sqrt(Zin Zout) in series, sqrt(Zin / Zout) across the line
    Checked arm;
};

// Splitters between equal impedances Z, of a fixed loss: 20 log10 2 = 6.02 dB from the input
// to each output, the other output terminated. Three arms of Z/3 from a centre node match
// every port, Z/3 + (4Z/3 || 4Z/3) = Z. Two arms of Z from the input to each output match the
// input alone (each output sees 5Z/3), but levelled by the ratio of its outputs, as in a
// ratio measurement, each output acts as a source of Z.
[[nodiscard]] Checked powerSplitterArm(Checked z);

// Two equal arms R a quarter wave apart at f0 on a line of impedance Zt, between equal
// impedances Z. A quarter-wave line is an impedance inverter: a load Z_L at one end looks like
// Zt² / Z_L at the other (Pozar, Microwave Engineering, 4th ed., §2.5 and Table 4.1). Both
// ports are matched at f0 when the inverter turns the far arm and its load into the
// complement of the near arm, and the loss is then the inverter's |S21|:
// - in series, R + Zt² / (R + Z) = Z, so Zt² = Z² - R², and |S21|² = (Z - R) / (Z + R):
//   R = Z (K² - 1) / (K² + 1) and Zt = Z · 2K / (K² + 1);
// - across the line, the dual: R = Z (K² + 1) / (K² - 1) and Zt = Z (K² + 1) / (2K).
// The line is not of impedance Z: with Zt = Z no two equal arms match at f0.
struct QuarterWaveArms {
    Checked arm;
    Checked line; // Zt
};

[[nodiscard]] QuarterWaveArms quarterWaveSeries(Checked z, Checked k);
[[nodiscard]] QuarterWaveArms quarterWaveShunt(Checked z, Checked k);

// The reflection attenuator: a 90° 3 dB hybrid whose two coupled ports end in equal arms R.
// What they reflect, Γ = (R - Z) / (R + Z), all leaves by the isolated port, and the input sees
// none of it (Pozar §7.5 for the branch-line hybrid), so |S21| = |Γ| = 1/K. The two roots are
// R = Z (K - 1) / (K + 1) below Z and Z (K + 1) / (K - 1) above it: 2.88 and 869.55 ohms for
// 1 dB in 50 ohms, as the published calculators give them.
enum class Root { Low, High };

[[nodiscard]] Checked reflectionArm(Checked z, Checked k, Root root);

[[nodiscard]] SingleArm singleSeries(Checked zin, Checked zout, Checked k);
[[nodiscard]] SingleArm singleShunt(Checked zin, Checked zout, Checked k);

[[nodiscard]] SymmetricPiArms symmetricPi(Checked z, Checked k);
[[nodiscard]] PiArms pi(Checked zin, Checked zout, Checked k);
[[nodiscard]] TArms t(Checked zin, Checked zout, Checked k);
[[nodiscard]] LArms lMatchedAtOutput(Checked zin, Checked zout, Checked k);
[[nodiscard]] LArms lMatchedAtInput(Checked zin, Checked zout, Checked k);
[[nodiscard]] BridgedTArms bridgedT(Checked z, Checked k);

} // namespace zelmarino::design
