#include "design/s_parameters.h"

#include <array>
#include <cmath>
#include <vector>

namespace zelmarino::design {

namespace {

struct Waves {
    double reflected;   // S of the driven port with itself
    double transmitted; // S from the driven port to the other
};

// A source of 1 V behind `zDriven` at one port, `zOther` across the other. With power waves
// and real references, the driven port reflects 2 V/Vs - 1 and passes
// 2 V'/Vs · sqrt(zDriven / zOther) to the other.
std::optional<Waves> drive(std::span<const Resistor> network, Node driven, double zDriven,
                           Node other, double zOther) {
    std::vector<Resistor> circuit(network.begin(), network.end());
    const Node drivenReturn = returnOf(driven, network);
    const Node otherReturn = returnOf(other, network);
    circuit.push_back({driven, drivenReturn, zDriven});
    circuit.push_back({other, otherReturn, zOther});
    if (otherReturn != Node::Ground) {
        // A balanced network floats: one wire gives the analysis its reference, at the port
        // whose small voltage is wanted, so that it is not the difference of two large ones.
        circuit.push_back({otherReturn, Node::Ground, 0.0});
    }
    const std::array source{Injection{driven, 1.0 / zDriven},
                            Injection{drivenReturn, -1.0 / zDriven}};
    const auto voltages = solveNodes(circuit, source, other);
    if (!voltages) {
        return std::nullopt;
    }
    const double atDriven = voltageAt(*voltages, driven) - voltageAt(*voltages, drivenReturn);
    const double atOther = voltageAt(*voltages, other) - voltageAt(*voltages, otherReturn);
    return Waves{2.0 * atDriven - 1.0, 2.0 * atOther * std::sqrt(zDriven / zOther)};
}

} // namespace

std::optional<SParameters> sParameters(std::span<const Resistor> network, double zin, double zout) {
    const auto forward = drive(network, Node::In, zin, Node::Out, zout);
    const auto backward = drive(network, Node::Out, zout, Node::In, zin);
    if (!forward || !backward) {
        return std::nullopt;
    }
    return SParameters{forward->reflected, backward->transmitted, forward->transmitted,
                       backward->reflected};
}

} // namespace zelmarino::design
