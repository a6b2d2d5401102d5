#include "design/catalogue.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zelmarino::design {

namespace {

using enum ArmRole;
using enum Node;
using enum Leg;

constexpr std::array piArms = {
    ArmEntry{"R1", ShuntAtInput, None, In, Ground, "shunt", "input", "shunt across the input port"},
    ArmEntry{"R2", Series, None, In, Out, "series", "between", "series"},
    ArmEntry{"R3", ShuntAtOutput, None, Out, Ground, "shunt", "output",
             "shunt across the output port"},
};

constexpr std::array tArms = {
    ArmEntry{"R1", SeriesAtInput, None, In, Middle, "series", "input", "series on the input side"},
    ArmEntry{"R2", SeriesAtOutput, None, Middle, Out, "series", "output",
             "series on the output side"},
    ArmEntry{"R3", ShuntAtMiddle, None, Middle, Ground, "shunt", "middle", "shunt from the middle"},
};

constexpr std::array lArms = {
    ArmEntry{"R1", Series, None, In, Out, "series", "input", "series at the input port"},
    ArmEntry{"R2", ShuntAtOutput, None, Out, Ground, "shunt", "output",
             "shunt across the output port"},
};

constexpr std::array lArmsShuntAtInput = {
    ArmEntry{"R1", SeriesAtOutput, None, In, Out, "series", "output", "series on the output side"},
    ArmEntry{"R2", ShuntAtInput, None, In, Ground, "shunt", "input", "shunt across the input port"},
};

constexpr std::array hArms = {
    ArmEntry{"R1", SeriesAtInput, Upper, In, Middle, "series", "input",
             "series on the input side, upper half"},
    ArmEntry{"R2", SeriesAtInput, Lower, InN, MiddleN, "series", "input",
             "series on the input side, lower half"},
    ArmEntry{"R3", SeriesAtOutput, Upper, Middle, Out, "series", "output",
             "series on the output side, upper half"},
    ArmEntry{"R4", SeriesAtOutput, Lower, MiddleN, OutN, "series", "output",
             "series on the output side, lower half"},
    ArmEntry{"R5", ShuntAtMiddle, None, Middle, MiddleN, "shunt", "middle",
             "shunt between the middle nodes"},
};

constexpr std::array oArms = {
    ArmEntry{"R1", ShuntAtInput, None, In, InN, "shunt", "input", "shunt across the input port"},
    ArmEntry{"R2", Series, Upper, In, Out, "series", "between", "series, upper half"},
    ArmEntry{"R3", Series, Lower, InN, OutN, "series", "between", "series, lower half"},
    ArmEntry{"R4", ShuntAtOutput, None, Out, OutN, "shunt", "output",
             "shunt across the output port"},
};

constexpr std::array bridgedTArms = {
    ArmEntry{"R1", Series, None, In, Out, "bridge", "between", "bridge from port to port"},
    ArmEntry{"R2", SeriesAtInput, None, In, Middle, "series", "input", "series on the input side"},
    ArmEntry{"R3", SeriesAtOutput, None, Middle, Out, "series", "output",
             "series on the output side"},
    ArmEntry{"R4", ShuntAtMiddle, None, Middle, Ground, "shunt", "middle", "shunt from the middle"},
};

constexpr std::array seriesArms = {
    ArmEntry{"R1", Series, None, In, Out, "series", "between", "series between the ports"},
};

constexpr std::array shuntArms = {
    ArmEntry{"R1", ShuntAtInput, None, In, Ground, "shunt", "between",
             "shunt across the line at both ports"},
};

constexpr std::array powerSplitterArms = {
    ArmEntry{"R1", SeriesAtInput, None, In, Middle, "series", "input",
             "from the input port to the centre"},
    ArmEntry{"R2", SeriesAtOutput, None, Middle, Out, "series", "output",
             "from the centre to the output port"},
    ArmEntry{"R3", SeriesAtSecondOutput, None, Middle, Out2, "series", "output2",
             "from the centre to the second output port"},
};

constexpr std::array twoResistorSplitterArms = {
    ArmEntry{"R1", SeriesAtOutput, None, In, Out, "series", "output",
             "from the input port to the output port"},
    ArmEntry{"R2", SeriesAtSecondOutput, None, In, Out2, "series", "output2",
             "from the input port to the second output port"},
};

// Two arms a quarter wave apart: in series, from the input port to the line and from the line
// to the output port; or across each end of the line, the line joining the ports.
constexpr std::array quarterWaveSeriesArms = {
    ArmEntry{"R1", SeriesAtInput, None, In, Middle, "series", "input",
             "series from the input port to the line"},
    ArmEntry{"R2", SeriesAtOutput, None, MiddleN, Out, "series", "output",
             "series from the line to the output port"},
};

constexpr std::array quarterWaveSeriesLines = {
    LineEntry{"TL1", Middle, MiddleN, LineRole::QuarterWave},
};

constexpr std::array quarterWaveShuntArms = {
    ArmEntry{"R1", ShuntAtInput, None, In, Ground, "shunt", "input", "shunt across the input port"},
    ArmEntry{"R2", ShuntAtOutput, None, Out, Ground, "shunt", "output",
             "shunt across the output port"},
};

constexpr std::array quarterWaveShuntLines = {
    LineEntry{"TL1", In, Out, LineRole::QuarterWave},
};

// The branch-line hybrid's ring: the input, its two coupled ports (the middle nodes, each
// ending in an arm) and the isolated port, which is the output.
constexpr std::array reflectionArms = {
    ArmEntry{"R1", ShuntAtMiddle, None, Middle, Ground, "shunt", "middle",
             "from the hybrid's through port to ground"},
    ArmEntry{"R2", ShuntAtMiddle, None, MiddleN, Ground, "shunt", "middle",
             "from the hybrid's coupled port to ground"},
};

constexpr std::array reflectionLines = {
    LineEntry{"TL1", In, Middle, LineRole::HybridThrough},
    LineEntry{"TL2", Middle, MiddleN, LineRole::HybridBranch},
    LineEntry{"TL3", MiddleN, Out, LineRole::HybridThrough},
    LineEntry{"TL4", Out, In, LineRole::HybridBranch},
};

constexpr std::string_view unbalancedPorts = "in out ref";
// Not "gnd" for the reference: ngspice takes that name for its global ground.
constexpr std::string_view balancedPorts = "inp inn outp outn";
constexpr std::string_view splitterPorts = "in out out2 ref";

constexpr std::array entries = {
    NetworkEntry{Network::Pi,
                 "pi",
                 "Pi attenuator",
                 "shunt, series, shunt; matched at both ports",
                 piArms,
                 {},
                 false,
                 false,
                 true,
                 Matched::Both,
                 2,
                 unbalancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::T,
                 "t",
                 "T attenuator",
                 "series, shunt, series; matched at both ports (wired as asked; the window\n"
                 "shows the larger impedance on the input side)",
                 tArms,
                 {},
                 false,
                 false,
                 true,
                 Matched::Both,
                 2,
                 unbalancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::LOut,
                 "l-out",
                 "L attenuator matched at the output port",
                 "series, shunt; matched at the output port",
                 lArms,
                 lArmsShuntAtInput,
                 false,
                 false,
                 true,
                 Matched::Output,
                 2,
                 unbalancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::LIn,
                 "l-in",
                 "L attenuator matched at the input port",
                 "series, shunt; matched at the input port",
                 lArms,
                 lArmsShuntAtInput,
                 false,
                 false,
                 true,
                 Matched::Input,
                 2,
                 unbalancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::H,
                 "h",
                 "H attenuator (balanced T)",
                 "balanced T: each series arm split between the two legs",
                 hArms,
                 {},
                 true,
                 false,
                 false,
                 Matched::Both,
                 2,
                 balancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::O,
                 "o",
                 "O attenuator (balanced Pi)",
                 "balanced Pi: the series arm split between the two legs",
                 oArms,
                 {},
                 true,
                 false,
                 false,
                 Matched::Both,
                 2,
                 balancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::BridgedT,
                 "bridged-t",
                 "Bridged T attenuator",
                 "bridged T, between equal impedances only",
                 bridgedTArms,
                 {},
                 false,
                 true,
                 false,
                 Matched::Both,
                 2,
                 unbalancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::Series,
                 "series",
                 "Single series resistor pad",
                 "one series resistor; matched at neither port",
                 seriesArms,
                 {},
                 false,
                 false,
                 false,
                 Matched::Neither,
                 2,
                 unbalancedPorts,
                 false,
                 {}},
    NetworkEntry{Network::Shunt,
                 "shunt",
                 "Single shunt resistor pad",
                 "one resistor across the line; matched at neither port",
                 shuntArms,
                 {},
                 false,
                 false,
                 false,
                 Matched::Neither,
                 2,
                 unbalancedPorts,
                 true,
                 {}},
    NetworkEntry{Network::PowerSplitter,
                 "power-splitter",
                 "Resistive power splitter",
                 "three arms of Z/3 from a centre node, 6 dB to each output;\n"
                 "matched at every port, between equal impedances only",
                 powerSplitterArms,
                 {},
                 false,
                 true,
                 false,
                 Matched::Both,
                 3,
                 splitterPorts,
                 false,
                 {}},
    NetworkEntry{Network::TwoResistorSplitter,
                 "two-resistor-splitter",
                 "Two-resistor splitter",
                 "an arm of Z from the input to each output, 6 dB to each, for\n"
                 "ratio measurements; matched at the input, equal impedances only",
                 twoResistorSplitterArms,
                 {},
                 false,
                 true,
                 false,
                 Matched::Input,
                 3,
                 splitterPorts,
                 false,
                 {}},
    NetworkEntry{Network::QuarterWaveSeries,
                 "quarter-wave-series",
                 "Quarter-wave series attenuator",
                 "two series arms a quarter wave apart at --f0, matched there;\n"
                 "equal impedances only",
                 quarterWaveSeriesArms,
                 {},
                 false,
                 true,
                 false,
                 Matched::Both,
                 2,
                 unbalancedPorts,
                 false,
                 quarterWaveSeriesLines},
    NetworkEntry{Network::QuarterWaveShunt,
                 "quarter-wave-shunt",
                 "Quarter-wave shunt attenuator",
                 "two shunt arms a quarter wave apart at --f0, matched there;\n"
                 "equal impedances only",
                 quarterWaveShuntArms,
                 {},
                 false,
                 true,
                 false,
                 Matched::Both,
                 2,
                 unbalancedPorts,
                 false,
                 quarterWaveShuntLines},
    NetworkEntry{Network::Reflection,
                 "reflection",
                 "Reflection attenuator",
                 "a 90 degree 3 dB hybrid at --f0 with two equal arms on its\n"
                 "coupled ports (--root low or high); equal impedances only",
                 reflectionArms,
                 {},
                 false,
                 true,
                 false,
                 Matched::Both,
                 2,
                 unbalancedPorts,
                 false,
                 reflectionLines},
};

// The switch keeps -Wswitch watching the enum: a network added there and not here fails to
// compile, rather than to be found.
constexpr std::size_t indexOf(Network network) {
    switch (network) {
    case Network::Pi:
    case Network::T:
    case Network::LOut:
    case Network::LIn:
    case Network::H:
    case Network::O:
    case Network::BridgedT:
    case Network::Series:
    case Network::Shunt:
    case Network::PowerSplitter:
    case Network::TwoResistorSplitter:
    case Network::QuarterWaveSeries:
    case Network::QuarterWaveShunt:
    case Network::Reflection:
        return static_cast<std::size_t>(network) - 1;
    }
    return entries.size();
}

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (indexOf(entries.at(i).network) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inEnumOrder(), "the catalogue lists the networks in the order of their numbers");

} // namespace

std::span<const NetworkEntry> catalogue() {
    return entries;
}

bool hasLines(Network network) {
    return !entryOf(network).lines.empty();
}

const NetworkEntry& entryOf(Network network) {
    const std::size_t at = indexOf(network);
    if (at >= entries.size()) {
        throw std::out_of_range("no such network");
    }
    return entries.at(at);
}

std::optional<Network> networkNamed(std::string_view command) {
    for (const NetworkEntry& entry : entries) {
        if (entry.command == command) {
            return entry.network;
        }
    }
    return std::nullopt;
}

std::span<const ArmEntry> armsOf(Network network, ShuntAt shunt) {
    const NetworkEntry& entry = entryOf(network);
    return shunt == ShuntAt::Input && !entry.armsShuntAtInput.empty() ? entry.armsShuntAtInput
                                                                      : entry.arms;
}

void SmallCircuit::push_back(const Resistor& resistor) {
    if (m_size == capacity) {
        throw std::length_error("more resistors than any network has");
    }
    m_resistors.at(m_size++) = resistor;
}

SmallCircuit circuitOf(Network network, std::span<const Resistor> arms) {
    SmallCircuit circuit;
    for (const Resistor& arm : arms) {
        circuit.push_back(arm);
    }
    if (entryOf(network).through) {
        circuit.push_back({In, Out, 0.0});
    }
    return circuit;
}

SmallCircuit checkedCircuit(Network network, std::span<const Resistor> arms, double zout) {
    SmallCircuit circuit = circuitOf(network, arms);
    if (entryOf(network).ports == 3) {
        circuit.push_back({Out2, Ground, zout});
    }
    return circuit;
}

std::string commandList() {
    std::string list;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) {
            list += i + 1 == entries.size() ? " or " : ", ";
        }
        list += entries.at(i).command;
    }
    return list;
}

std::size_t mostArms() {
    std::size_t most = 0;
    for (const NetworkEntry& entry : entries) {
        most = std::max(most, entry.arms.size());
    }
    return most;
}

} // namespace zelmarino::design
