// The scattering parameters of one circuit at many frequencies. The circuit's shape is worked
// out once (which nodes a wire joins, which unknown each node is, how a floating part is
// referred), so that each frequency only stamps its admittances into a small fixed matrix and
// solves it for every port's drive: a sweep of thousands of points takes a few milliseconds.
// Circuits it cannot take so (lines, many nodes or ports) and 0 Hz, where inductors are wires,
// go to acSParameters, whose answers it gives in any case.
#pragma once

#include "design/ac_circuit.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

class PortSweep {
public:
    static constexpr std::size_t mostUnknowns = 8;
    static constexpr std::size_t mostPorts = 3;

    PortSweep(AcCircuit circuit, std::span<const AcPort> ports);

    // As acSParameters(circuit, ports, hz).
    [[nodiscard]] std::optional<PortMatrix> at(double hz) const;

private:
    // An element stamped at every frequency, between two unknowns (`none` for the ground).
    enum class Element { Termination, Branch, Resistor };
    struct Stamp {
        std::size_t a;
        std::size_t b;
        Element element;
        std::size_t index; // of the port, branch or modelled resistor
    };

    [[nodiscard]] Complex admittanceAt(const Stamp& s, double hz) const;

    AcCircuit m_circuit;
    std::vector<AcPort> m_ports;
    bool m_fast = false;
    std::size_t m_unknowns = 0;
    std::vector<Stamp> m_stamps;
    std::vector<std::size_t> m_unknownOf; // of each node
};

} // namespace zelmarino::design
