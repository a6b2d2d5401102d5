#include "design/zero_frequency.h"

#include <algorithm>
#include <cmath>

namespace zelmarino::design {

bool solvableAsResistors(const AcCircuit& circuit, std::size_t nodes,
                         std::span<const std::vector<AcInjection>> columns) {
    return circuit.lines.empty() && nodes <= mostNumberedNodes &&
           std::all_of(columns.begin(), columns.end(), [](const std::vector<AcInjection>& c) {
               return std::all_of(c.begin(), c.end(),
                                  [](const AcInjection& i) { return i.amps.imag() == 0.0; });
           });
}

std::optional<std::vector<std::vector<Complex>>>
solveAsResistors(const AcCircuit& circuit, std::span<const PortTermination> terminations,
                 const Connections& connections, std::span<const std::vector<AcInjection>> columns,
                 std::span<const WantedPort> wanted) {
    std::vector<NumberedResistor> resistors;
    const auto resistor = [&](NodeId from, NodeId to, double ohms) {
        if (ohms != 0.0 && !std::isinf(ohms)) { // a wire is merged already, and open is nothing
            resistors.push_back({from, to, ohms});
        }
    };
    for (const Branch& b : circuit.branches) {
        if (b.kind == Lumped::Resistor) {
            resistor(b.from, b.to, b.value);
        }
    }
    for (const ModelledResistor& r : circuit.resistors) {
        resistor(r.from, r.to, r.ohms);
    }
    for (const PortTermination& t : terminations) {
        resistor(t.node, t.returnNode, t.ohms);
    }

    const std::size_t parts = resistors.size();

    std::vector<std::vector<Complex>> solutions;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const WantedPort port = c < wanted.size() ? wanted[c] : WantedPort{groundNode, groundNode};
        // What the frequency analysis merges as wires, a floating part's reference among them:
        // one wire from each node to its group's.
        NodeGroups wired = connections.wired;
        std::vector<NodeId> references{port.returnNode};
        references.insert(references.end(), connections.references.begin(),
                          connections.references.end());
        referFloatingParts(connections.joined, wired, references);
        resistors.resize(parts);
        for (NodeId node = 0; node < wired.size(); ++node) {
            if (wired.root(node) != node) {
                resistors.push_back({node, wired.root(node), 0.0});
            }
        }
        std::vector<NumberedInjection> injections;
        for (const AcInjection& i : columns[c]) {
            injections.push_back({i.node, i.amps.real()});
        }
        const auto voltages = solveNumberedNodes(resistors, injections, wired.size(), port.node);
        if (!voltages) {
            return std::nullopt;
        }
        solutions.emplace_back(voltages->begin(), voltages->end());
    }
    return solutions;
}

} // namespace zelmarino::design
