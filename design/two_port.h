// What a resistor network really does between a source of resistance Zin and a load Zout:
// its port resistances, return losses and loss, and the power each resistor dissipates,
// found by nodal analysis of the network as built, not from the formulas that designed it.
#pragma once

#include "design/circuit.h"

#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

struct PortCheck {
    double inputOhms;          // seen into the input port, the output terminated in Zout
    double outputOhms;         // seen into the output port, the input terminated in Zin
    double inputReturnLossDb;  // of the input port against Zin
    double outputReturnLossDb; // of the output port against Zout
    double lossDb; // transducer loss: power available from the source over power into Zout
    // |Γ| of each port, from the resistances themselves: a return loss may be capped.
    double inputReflection;
    double outputReflection;
};

// Nothing when the network cannot be solved (only possible with negative arms).
[[nodiscard]] std::optional<PortCheck> checkPorts(std::span<const Resistor> network, double zin,
                                                  double zout);

// -20 log10 |(seen - reference) / (seen + reference)|; infinite for an exact match.
[[nodiscard]] double returnLossDb(double seen, double reference);

// |(seen - reference) / (seen + reference)|: 0 for an exact match.
[[nodiscard]] double reflectionOf(double seen, double reference);

struct PowerShare {
    std::vector<double> resistorWatts; // in the order of the network's resistors
    std::vector<double> resistorVolts; // across each resistor
    std::vector<double> resistorAmps;  // through each; not a number for wires in a loop of wires
    double loadWatts;
};

// The power each resistor dissipates when the source makes `availableWatts` available.
[[nodiscard]] std::optional<PowerShare> dissipation(std::span<const Resistor> network, double zin,
                                                    double zout, double availableWatts);

// The size of the reflection |Γ| at a port whose return loss is `db`: 10^(-db/20), 0 for an
// exact match. Taken from the return loss so that a worst case, which keeps only that, has one.
[[nodiscard]] double reflectionOfReturnLoss(double db);

// The voltage standing-wave ratio for a reflection of size `reflection`: (1 + |Γ|) / (1 - |Γ|),
// infinite for a total reflection.
[[nodiscard]] double vswrOfReflection(double reflection);

// The largest power the source may make available before each resistor dissipates
// `ratingWatts`: every dissipation grows in proportion to the available power. Infinite for a
// resistor that dissipates nothing.
[[nodiscard]] std::vector<double> toleratedSourceWatts(const PowerShare& share,
                                                       double availableWatts, double ratingWatts);

} // namespace zelmarino::design
