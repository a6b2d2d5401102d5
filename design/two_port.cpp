#include "design/two_port.h"

#include <array>
#include <cmath>
#include <limits>

namespace zelmarino::design {

namespace {

// The network with its terminations, kept without allocating: the check runs for every
// corner of every design of a table. Each port's return is looked up once, on the way in.
class Terminated {
public:
    static constexpr std::size_t capacity = 10;

    static std::optional<Terminated> of(std::span<const Resistor> network) {
        if (network.size() + 2 > capacity) {
            return std::nullopt;
        }
        Terminated circuit;
        for (const Resistor& r : network) {
            circuit.add(r);
        }
        circuit.m_inReturn = design::returnOf(Node::In, network);
        circuit.m_outReturn = design::returnOf(Node::Out, network);
        return circuit;
    }
    [[nodiscard]] Node returnOf(Node port) const {
        return port == Node::In ? m_inReturn : m_outReturn;
    }
    void add(const Resistor& r) { m_resistors.at(m_count++) = r; }
    // A balanced network floats: a wire from `node` to the ground gives the analysis its
    // reference and changes no current. Taken at the port whose voltage is wanted, so that
    // a small voltage is not found as the difference of two large ones.
    void referTo(Node node) {
        if (node != Node::Ground) {
            add({node, Node::Ground, 0.0});
        }
    }
    [[nodiscard]] std::span<const Resistor> resistors() const {
        return std::span(m_resistors).first(m_count);
    }

private:
    std::array<Resistor, capacity> m_resistors{};
    std::size_t m_count = 0;
    Node m_inReturn = Node::Ground;
    Node m_outReturn = Node::Ground;
};

double across(const NodeVoltages& voltages, Node port, std::span<const Resistor> network) {
    return voltageAt(voltages, port) - voltageAt(voltages, returnOf(port, network));
}

// The network with the source resistance and the load added, driven by a Norton source of
// `amps` into the input port (the Norton form of a voltage source behind Zin). The network's
// resistors come first, in their order.
struct DrivenCircuit {
    Terminated circuit;
    std::array<Injection, 2> source;
};

std::optional<DrivenCircuit> drivenCircuit(std::span<const Resistor> network, double zin,
                                           double zout, double amps) {
    auto circuit = Terminated::of(network);
    if (!circuit) {
        return std::nullopt;
    }
    const Node inReturn = circuit->returnOf(Node::In);
    const Node outReturn = circuit->returnOf(Node::Out);
    circuit->add({Node::In, inReturn, zin});
    circuit->add({Node::Out, outReturn, zout});
    circuit->referTo(outReturn);
    return DrivenCircuit{*circuit, {Injection{Node::In, amps}, Injection{inReturn, -amps}}};
}

std::optional<NodeVoltages> solve(const DrivenCircuit& driven) {
    return solveNodes(driven.circuit.resistors(), driven.source, Node::Out);
}

std::optional<NodeVoltages> driven(std::span<const Resistor> network, double zin, double zout,
                                   double amps) {
    const auto circuit = drivenCircuit(network, zin, zout, amps);
    return circuit ? solve(*circuit) : std::nullopt;
}

// The current through each resistor, from `from` to `to`. Nodal analysis gives none for a
// wire, so a wire's comes from Kirchhoff's current law at an end where it is the last
// current unknown. Wires closing a loop of wires share theirs in no determined way: not a
// number.
std::array<double, Terminated::capacity> currentsThrough(std::span<const Resistor> circuit,
                                                         std::span<const Injection> injections,
                                                         const NodeVoltages& voltages) {
    constexpr std::size_t nodes = std::tuple_size_v<NodeVoltages>;
    std::array<double, Terminated::capacity> amps{};
    amps.fill(std::numeric_limits<double>::quiet_NaN());
    std::array<double, nodes> unaccounted{}; // what still has to leave each node
    std::array<int, nodes> unknownWires{};
    const auto index = [](Node node) { return static_cast<std::size_t>(node); };
    const auto flow = [&](std::size_t i, double through) {
        amps.at(i) = through;
        unaccounted.at(index(circuit[i].from)) -= through;
        unaccounted.at(index(circuit[i].to)) += through;
    };
    for (const Injection& injection : injections) {
        unaccounted.at(index(injection.node)) += injection.amps;
    }
    for (std::size_t i = 0; i < circuit.size(); ++i) {
        const Resistor& r = circuit[i];
        if (r.ohms != 0.0) {
            flow(i, (voltageAt(voltages, r.from) - voltageAt(voltages, r.to)) / r.ohms);
        } else {
            ++unknownWires.at(index(r.from));
            ++unknownWires.at(index(r.to));
        }
    }
    for (bool found = true; found;) {
        found = false;
        for (std::size_t i = 0; i < circuit.size(); ++i) {
            const Resistor& r = circuit[i];
            if (r.ohms != 0.0 || !std::isnan(amps.at(i))) {
                continue;
            }
            const bool fromEnd = unknownWires.at(index(r.from)) == 1;
            if (fromEnd || unknownWires.at(index(r.to)) == 1) {
                flow(i, fromEnd ? unaccounted.at(index(r.from)) : -unaccounted.at(index(r.to)));
                --unknownWires.at(index(r.from));
                --unknownWires.at(index(r.to));
                found = true;
            }
        }
    }
    return amps;
}

// The resistance seen into `port` with `termination` across the other port: the voltage
// that one ampere into the port makes.
std::optional<double> resistanceInto(std::span<const Resistor> network, Node port, Node other,
                                     double termination) {
    auto circuit = Terminated::of(network);
    if (!circuit) {
        return std::nullopt;
    }
    const Node portReturn = circuit->returnOf(port);
    circuit->add({other, circuit->returnOf(other), termination});
    circuit->referTo(portReturn);
    const std::array probe{Injection{port, 1.0}, Injection{portReturn, -1.0}};
    const auto voltages = solveNodes(circuit->resistors(), probe, port);
    if (!voltages) {
        return std::nullopt;
    }
    return voltageAt(*voltages, port) - voltageAt(*voltages, portReturn);
}

} // namespace

double reflectionOf(double seen, double reference) {
    return std::abs((seen - reference) / (seen + reference));
}

double returnLossDb(double seen, double reference) {
    return -20.0 * std::log10(reflectionOf(seen, reference));
}

std::optional<PortCheck> checkPorts(std::span<const Resistor> network, double zin, double zout) {
    const auto input = resistanceInto(network, Node::In, Node::Out, zout);
    const auto output = resistanceInto(network, Node::Out, Node::In, zin);
    // A 1 V source behind Zin: 1 / Zin amperes in Norton form.
    const auto voltages = driven(network, zin, zout, 1.0 / zin);
    if (!input || !output || !voltages) {
        return std::nullopt;
    }
    const double available = 1.0 / (4.0 * zin);
    const double atLoad = across(*voltages, Node::Out, network);
    const double delivered = atLoad * atLoad / zout;
    return PortCheck{*input,
                     *output,
                     returnLossDb(*input, zin),
                     returnLossDb(*output, zout),
                     10.0 * std::log10(available / delivered),
                     reflectionOf(*input, zin),
                     reflectionOf(*output, zout)};
}

std::optional<PowerShare> dissipation(std::span<const Resistor> network, double zin, double zout,
                                      double availableWatts) {
    // Available power P from a source behind Zin needs an open-circuit voltage of
    // sqrt(4 Zin P).
    const double sourceVolts = std::sqrt(4.0 * zin * availableWatts);
    const auto circuit = drivenCircuit(network, zin, zout, sourceVolts / zin);
    const auto voltages = circuit ? solve(*circuit) : std::nullopt;
    if (!voltages) {
        return std::nullopt;
    }
    const auto amps = currentsThrough(circuit->circuit.resistors(), circuit->source, *voltages);
    PowerShare share{{}, {}, {}, 0.0};
    for (std::size_t i = 0; i < network.size(); ++i) {
        const Resistor& r = network[i];
        const double across = voltageAt(*voltages, r.from) - voltageAt(*voltages, r.to);
        share.resistorWatts.push_back(r.ohms == 0.0 ? 0.0 : across * across / r.ohms);
        share.resistorVolts.push_back(std::abs(across));
        share.resistorAmps.push_back(std::abs(amps.at(i)));
    }
    const double atLoad = across(*voltages, Node::Out, network);
    share.loadWatts = atLoad * atLoad / zout;
    return share;
}

double reflectionOfReturnLoss(double db) {
    return std::pow(10.0, -db / 20.0);
}

double vswrOfReflection(double reflection) {
    if (reflection >= 1.0) {
        return std::numeric_limits<double>::infinity();
    }
    return (1.0 + reflection) / (1.0 - reflection);
}

std::vector<double> toleratedSourceWatts(const PowerShare& share, double availableWatts,
                                         double ratingWatts) {
    std::vector<double> tolerated;
    for (const double watts : share.resistorWatts) {
        tolerated.push_back(watts > 0.0 ? availableWatts * (ratingWatts / watts)
                                        : std::numeric_limits<double>::infinity());
    }
    return tolerated;
}

} // namespace zelmarino::design
