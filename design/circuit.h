// Plain nodal analysis of a small resistor network: the ground, the two ports and the middle
// node of a T, for a balanced network the nodes of its lower leg, and a splitter's second
// output. It knows nothing of
// attenuator formulas, so it can judge them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

// A balanced network's ports are In to InN and Out to OutN; it does not touch the ground. A
// splitter's second output is Out2, against the ground.
enum class Node { Ground, In, Middle, Out, InN, MiddleN, OutN, Out2 };

struct Resistor {
    Node from;
    Node to;
    double ohms; // 0 is a wire; negative values are analysed as they are
};

// A current source driving `amps` from the ground into `node`.
struct Injection {
    Node node;
    double amps;
};

using NodeVoltages = std::array<double, 8>; // indexed by Node; the ground is 0

// Solves Kirchhoff's current law at every node that a resistor touches. Nodes joined by a
// 0-ohm resistor are one node. Nothing when the network has no unique solution. With no
// negative resistor, every voltage is found to a few roundings of the largest, and the
// `wanted` node's straight from the currents that reach it, so that a small one, such as the
// output of a pad of great loss, keeps its own precision rather than being the difference of
// large ones (unless the network is a bridge, whose output is such a difference).
[[nodiscard]] std::optional<NodeVoltages> solveNodes(std::span<const Resistor> resistors,
                                                     std::span<const Injection> injections,
                                                     Node wanted = Node::Ground);

// The same analysis for a circuit whose nodes are numbered, the ground 0, as the frequency
// analysis numbers them: what it solves at 0 Hz, where its circuit is resistors alone.
struct NumberedResistor {
    std::size_t from;
    std::size_t to;
    double ohms;
};

struct NumberedInjection {
    std::size_t node;
    double amps;
};

inline constexpr std::size_t mostNumberedNodes = 24;

// Every node's voltage, for `nodes` nodes; nothing as for solveNodes, or for more than
// mostNumberedNodes or a node beyond them.
[[nodiscard]] std::optional<std::vector<double>>
solveNumberedNodes(std::span<const NumberedResistor> resistors,
                   std::span<const NumberedInjection> injections, std::size_t nodes,
                   std::size_t wanted);

// A port's other terminal: the ground, or for a balanced network (one that touches InN or
// OutN) the port's twin in the lower leg.
[[nodiscard]] Node returnOf(Node port, std::span<const Resistor> network);

[[nodiscard]] inline double voltageAt(const NodeVoltages& voltages, Node node) {
    return voltages.at(static_cast<std::size_t>(node));
}

} // namespace zelmarino::design
