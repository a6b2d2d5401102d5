// One design as the command line reports it: each arm with its name, its role in words and
// the text the window shows for it. The design itself comes from the design library.
#pragma once

#include "design/attenuator.h"
#include "design/placement.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::cli {

using Network = design::Network;
using design::Node;
using design::Resistor;

[[nodiscard]] std::string_view networkName(Network network);  // "pi", "t", "l-out", "l-in", ...
[[nodiscard]] std::string_view networkTitle(Network network); // "Pi attenuator", ...

struct Arm {
    std::string_view name; // "R1"
    std::string_view role; // "shunt across the input port"
    Resistor resistor;     // where it sits and its exact value in ohms
    // As the window shows this arm, with "Ω" for the ohm sign; empty where the window has no
    // such network (the balanced and bridged pads, an L with its shunt across the input).
    std::string windowText;
};

struct Design {
    Network network;
    // Single precision, like the window, and as asked: every circuit here is wired with its
    // input facing Zin, even a T that the window shows with the two exchanged.
    float zin;
    float zout;
    float lossDb;
    bool portsExchanged;  // the window shows Zin and Zout exchanged (a T with Zin < Zout)
    double minimumLossDb; // below it some arm is negative; 0 for equal impedances
    std::vector<Arm> arms;
};

// The window's design for these entries. Throws design::FloatError when the arithmetic fails
// (a loss so small that K rounds to 1).
[[nodiscard]] Design makeDesign(Network network, float zin, float zout, float lossDb,
                                design::ShuntAt shunt = design::ShuntAt::Output);

// The indices of the arms that came out negative, negative zero included: the design cannot
// be built.
[[nodiscard]] std::vector<std::size_t> negativeArms(const Design& design);

[[nodiscard]] std::vector<Resistor> resistorsOf(const Design& design);

} // namespace zelmarino::cli
