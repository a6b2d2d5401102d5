#include "design/lines.h"

#include "design/catalogue.h"

#include <numbers>

namespace zelmarino::design {

LumpedLine lumpedLineOf(double ohms, double f0Hz) {
    const double omega = 2.0 * std::numbers::pi * f0Hz;
    return {ohms / omega, 1.0 / (ohms * omega)};
}

void addLines(AcCircuit& circuit, Network network, const LineDesign& lines) {
    const std::span<const LineEntry> entries = entryOf(network).lines;
    for (std::size_t i = 0; i < entries.size() && i < lines.ohms.size(); ++i) {
        const NodeId from = nodeIdOf(entries[i].from);
        const NodeId to = nodeIdOf(entries[i].to);
        const double ohms = lines.ohms[i];
        if (lines.model == LineModel::Ideal) {
            circuit.lines.push_back(
                {from, groundNode, to, groundNode, ohms, delayOf(90.0, lines.f0Hz)});
            continue;
        }
        const LumpedLine lumped = lumpedLineOf(ohms, lines.f0Hz);
        circuit.branches.push_back({Lumped::Capacitor, from, groundNode, lumped.farads});
        circuit.branches.push_back({Lumped::Inductor, from, to, lumped.henries});
        circuit.branches.push_back({Lumped::Capacitor, to, groundNode, lumped.farads});
    }
}

} // namespace zelmarino::design
