// A circuit at 0 Hz is its resistors alone: an inductor is a wire there and a capacitor is
// open. The frequency analysis solves it so with the two-port analysis's own solver
// (design/circuit.h), which finds a small voltage, such as the output of a pad of great loss,
// to its own precision; so at 0 Hz both analyses are one.
#pragma once

#include "design/ac_circuit.h"
#include "design/node_groups.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

// A port's reference resistance across its terminals.
struct PortTermination {
    NodeId node;
    NodeId returnNode;
    double ohms;
};

// The port whose voltage a solution keeps most precise: a floating part is referred to its
// return, so that its voltage is not the difference of two large ones.
struct WantedPort {
    NodeId node;
    NodeId returnNode;
};

// How the circuit's nodes are joined: by wires (`wired`) and by anything at all (`joined`),
// and the nodes a floating part is referred to when no wanted port's return is in it.
struct Connections {
    const NodeGroups& wired;
    const NodeGroups& joined;
    std::span<const NodeId> references;
};

// Whether the circuit, of `nodes` nodes, is resistors alone at 0 Hz and small enough for the
// solver, and every current driven into it real.
[[nodiscard]] bool solvableAsResistors(const AcCircuit& circuit, std::size_t nodes,
                                       std::span<const std::vector<AcInjection>> columns);

// Every node's voltage for each column of injections, the nodes that wires join being one;
// `wanted` names per column the port kept most precise (none given: the ground). Nothing where
// the circuit has no unique solution.
[[nodiscard]] std::optional<std::vector<std::vector<Complex>>>
solveAsResistors(const AcCircuit& circuit, std::span<const PortTermination> terminations,
                 const Connections& connections, std::span<const std::vector<AcInjection>> columns,
                 std::span<const WantedPort> wanted);

} // namespace zelmarino::design
