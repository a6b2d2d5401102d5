// The scattering parameters of a resistor network between reference resistances Zin and
// Zout, in the power-wave definition, found by nodal analysis of the network as built. With
// real references the definition gives |S21|² equal to the transducer gain (power into Zout
// over the power available from a source behind Zin), and S11 the reflection of the input
// port against Zin. A resistive network is the same at every frequency.
#pragma once

#include "design/circuit.h"

#include <optional>
#include <span>

namespace zelmarino::design {

struct SParameters {
    double s11;
    double s12; // from the output port to the input port
    double s21;
    double s22;
};

// Nothing when the network cannot be solved (only possible with negative arms).
[[nodiscard]] std::optional<SParameters> sParameters(std::span<const Resistor> network, double zin,
                                                     double zout);

} // namespace zelmarino::design
