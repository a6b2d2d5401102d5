// The networks this program knows, each described once: its command name, its title, its arms
// in the order they are named R1, R2, … with their roles, sides and places in the circuit,
// and what the network asks of its impedances. Every list of networks or of arms is made from
// this table, so a new network is its formula and one entry here.
#pragma once

#include "design/attenuator.h"
#include "design/circuit.h"
#include "design/network.h"
#include "design/placement.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::design {

// The leg of a balanced network's series half; a shunt arm, or any arm of an unbalanced
// network, belongs to neither.
enum class Leg { None, Upper, Lower };

// The ports whose match a network is designed for. A single series or shunt arm matches
// neither: it is chosen for its loss alone.
enum class Matched { Both, Input, Output, Neither };

[[nodiscard]] constexpr bool matchesInput(Matched matched) {
    return matched == Matched::Both || matched == Matched::Input;
}
[[nodiscard]] constexpr bool matchesOutput(Matched matched) {
    return matched == Matched::Both || matched == Matched::Output;
}

struct ArmEntry {
    std::string_view name; // "R1"
    ArmRole role;          // the formulas' name for it
    Leg leg;
    Node from; // where it sits, the input port facing Zin
    Node to;
    std::string_view kind;     // "series", "shunt" or "bridge"
    std::string_view side;     // "input", "output", "middle" or "between" (the ports)
    std::string_view roleText; // "shunt across the input port"
};

// The impedance a line is drawn with: the quarter-wave attenuators' own, found with their
// arms, or the branch-line hybrid's, Z/√2 through and Z across.
enum class LineRole { QuarterWave, HybridThrough, HybridBranch };

// A line a quarter wave long at the design frequency, from one node to another against the
// ground. Only the networks of the design frequency have lines, and only the analysis at that
// frequency sees them: the DC checks never take such a network.
struct LineEntry {
    std::string_view name; // "TL1"
    Node from;
    Node to;
    LineRole role;
};

struct NetworkEntry {
    Network network;
    std::string_view command; // "pi"
    std::string_view title;   // "Pi attenuator"
    std::string_view summary; // a line or two for --help
    std::span<const ArmEntry> arms;
    // An L with its shunt across the input port: the same arms, mirrored. Empty for others.
    std::span<const ArmEntry> armsShuntAtInput;
    bool balanced;
    bool equalImpedancesOnly;
    bool inWindow; // one of the window's option buttons, numbered as `network`
    Matched matched;
    int ports;
    std::string_view spicePorts;      // the subcircuit's port nodes, in order
    bool through;                     // the two ports are one node, joined by a wire that is no arm
    std::span<const LineEntry> lines; // quarter waves at --f0; empty for a resistor network
    // `ports` is 3 for a splitter: its second output is Node::Out2, and its loss is its own,
    // whatever was asked.
};

[[nodiscard]] std::span<const NetworkEntry> catalogue();

// Whether the network has lines, and so is analysed at its design frequency alone.
[[nodiscard]] bool hasLines(Network network);
[[nodiscard]] const NetworkEntry& entryOf(Network network);
[[nodiscard]] std::optional<Network> networkNamed(std::string_view command);

// The arms as the network is placed: an L's mirror when its shunt is across the input.
[[nodiscard]] std::span<const ArmEntry> armsOf(Network network, ShuntAt shunt);

// The resistors of one network's circuit, held in place: the checks build one for every row of
// a table, which should cost no allocation.
class SmallCircuit {
public:
    static constexpr std::size_t capacity = 8;

    void push_back(const Resistor& resistor); // throws std::length_error beyond the capacity
    [[nodiscard]] const Resistor* data() const { return m_resistors.data(); }
    [[nodiscard]] std::size_t size() const { return m_size; }
    [[nodiscard]] const Resistor* begin() const { return data(); }
    [[nodiscard]] const Resistor* end() const { return data() + m_size; }

private:
    std::array<Resistor, capacity> m_resistors{};
    std::size_t m_size = 0;
};

// The circuit the analysis takes: the arms, then what the network has besides them (the wire
// joining the ports of a network that passes straight through).
[[nodiscard]] SmallCircuit circuitOf(Network network, std::span<const Resistor> arms);

// The two-port every check analyses from the input to the output: the circuit, with a
// splitter's second output terminated in Zout. The termination comes last.
[[nodiscard]] SmallCircuit checkedCircuit(Network network, std::span<const Resistor> arms,
                                          double zout);

// "pi, t, l-out, l-in, h, o or bridged-t".
[[nodiscard]] std::string commandList();

// The most arms any network has.
[[nodiscard]] std::size_t mostArms();

} // namespace zelmarino::design
