// One attenuator designed whole: the network's formulas for its impedances and loss, each
// arm named by its role and placed in the circuit, and the loss below which it cannot be
// built.
#pragma once

#include "design/checked.h"
#include "design/circuit.h"
#include "design/network.h"
#include "design/networks.h"

#include <cstddef>
#include <vector>

namespace zelmarino::design {

enum class ArmRole {
    ShuntAtInput,         // across the input port
    Series,               // between the two ports
    ShuntAtOutput,        // across the output port
    SeriesAtInput,        // the T's, from the input port to the middle node
    SeriesAtOutput,       // the T's, from the middle node to the output port
    ShuntAtMiddle,        // the T's, from the middle node to ground
    SeriesAtSecondOutput, // a splitter's, to its second output
};
// A balanced network's arms keep the roles of the unbalanced one's: a shunt arm runs to the
// lower leg rather than to ground, and each series role has one arm in each leg.

struct Arm {
    ArmRole role;
    Resistor resistor; // where it sits and its exact value in ohms
};

struct Attenuator {
    Network network;
    // Single precision, as the window holds them. As designed, a T with Zin < Zout has them
    // exchanged, so that the larger impedance is on the input side, as the window shows it;
    // asWired turns it back.
    float zin;
    float zout;
    bool portsExchanged; // the window shows this design with Zin and Zout exchanged
    // In the window's order R1, R2, R3: Pi shunt at input, series, shunt at output; T series
    // at input, series at output, shunt; L series, shunt at output. The H and the O list the
    // upper half, then the lower half, of each series arm in that order; the bridged T the
    // bridge (Series), the two arms of Z and the shunt; a single series or shunt pad its one
    // arm; the power splitter its arms to the centre, to the output and to the second output;
    // the two-resistor splitter its arms to the output and to the second output.
    std::vector<Arm> arms;
    // The impedances of the catalogue's lines, in its order: the quarter-wave attenuators'
    // line and the reflection attenuator's hybrid. Empty for a resistor network.
    std::vector<double> lineOhms{};
};

// K = 10^(A/20), formed from the loss in single precision as the window forms it.
[[nodiscard]] Checked voltageRatio(float lossDb);

// Designs with the network's formulas, exactly as the window does, so both give the very
// same resistors. Throws FloatError when the arithmetic fails (for a Pi between equal
// impedances or a T, a loss so small that K rounds to 1). The H and the O are the T and the
// Pi wired as asked and balanced; the bridged T is designed for Zin, which the caller makes
// sure equals Zout.
// The reflection attenuator takes the `root` asked for; every other network ignores it.
[[nodiscard]] Attenuator designAttenuator(Network network, float zin, float zout, float lossDb,
                                          Root root = Root::Low);

// The circuit as it is to be wired: its input port faces Zin. A design whose ports the window
// exchanged is turned round, each arm keeping its place in the window's order and its value,
// so that R1 of an exchanged T becomes the series arm on the output side.
[[nodiscard]] Attenuator asWired(Attenuator attenuator);

// The loss below which some arm is negative: for the Pi and the T, where the shunt arm on
// the larger impedance's side, or the T's series arm on the smaller side, passes through
// zero; for the L, where one of its two arms does; for a single series or shunt arm, the
// mismatch loss of the two impedances joined directly. 0 for equal impedances.
[[nodiscard]] double minimumLoss(Network network, double zin, double zout);

// Below zero, negative zero included. The formulas give -0.0 for the arm that is negative
// below the minimum loss when the loss shrinks to nothing, so it marks an arm that cannot be
// built, as any other negative value does.
[[nodiscard]] bool isNegative(double ohms);

// The indices of the arms that came out negative: the design cannot be built.
[[nodiscard]] std::vector<std::size_t> negativeArms(const Attenuator& attenuator);

[[nodiscard]] std::vector<Resistor> resistorsOf(const Attenuator& attenuator);

} // namespace zelmarino::design
