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
#include <utility>
#include <vector>

namespace zelmarino::design {

class PortSweep {
public:
    static constexpr std::size_t mostUnknowns = 16;

    PortSweep(AcCircuit circuit, std::span<const AcPort> ports);

    // As acSParameters(circuit, ports, hz). Not const: it works in buffers of its own, so that
    // a sweep allocates nothing but its answers; one sweep is not shared between threads.
    [[nodiscard]] std::optional<PortMatrix> at(double hz);

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
    struct Source {
        std::size_t row;
        std::size_t column;
        double amps;
    };
    std::vector<Source> m_sources;
    // Each port's two unknowns, the ground's being one past the last.
    std::vector<std::pair<std::size_t, std::size_t>> m_across;
    std::vector<double> m_waveScale; // sqrt(Zj / Zi) at i × ports + j
    std::vector<Complex> m_entries;  // the equations, row after row
    std::vector<double> m_largest;   // of each row
    std::vector<Complex> m_solution; // and the ground's 0 after it
};

} // namespace zelmarino::design
