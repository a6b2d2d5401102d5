// Nodal analysis at any frequency: circuits of resistors, inductors, capacitors and ideal
// lossless transmission lines between numbered nodes, solved in complex arithmetic, and the
// scattering parameters of any number of ports. At 0 Hz a circuit without lines is resistors
// alone, and is solved by the two-port analysis's own solver (design/circuit.h): its DC
// answers are that analysis's, a pad of great loss's small output voltage included.
#pragma once

#include "design/circuit.h"

#include <complex>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

using Complex = std::complex<double>;

// Nodes are numbered from 0, the ground; a circuit has as many as its highest number says.
using NodeId = std::size_t;
inline constexpr NodeId groundNode = 0;

// The two-port analysis's nodes keep their order, the ground first.
[[nodiscard]] constexpr NodeId nodeIdOf(Node node) {
    return static_cast<NodeId>(node);
}

enum class Lumped { Resistor, Inductor, Capacitor };

// A two-terminal element. A resistor or inductor of 0 is a wire, and an inductor is one at
// 0 Hz; a capacitor of 0 is open, and a capacitor is open at 0 Hz.
struct Branch {
    Lumped kind;
    NodeId from;
    NodeId to;
    double value; // ohms, henries or farads
};

// An ideal lossless line: its input between `in` and `inReturn`, its output between `out` and
// `outReturn`, characteristic impedance `z0` and a delay, so that its electrical length at f
// is 360° · f · delay. It carries no current common to both sides.
struct Line {
    NodeId in;
    NodeId inReturn;
    NodeId out;
    NodeId outReturn;
    double z0;           // ohms, positive
    double delaySeconds; // non-negative
};

// The delay of a line `degrees` long at `hz`: a quarter wave at f0 is delayOf(90, f0).
[[nodiscard]] constexpr double delayOf(double degrees, double hz) {
    return degrees / (360.0 * hz);
}

// A resistor as built: its resistance in series with an inductance, a capacitance across the
// two, and an inductance in series with it all (a shunt arm's way to ground). One admittance
// between two nodes at every frequency, so the parasitics add no unknowns. A resistance of 0
// with no inductance is a wire; an infinite one leaves the capacitance alone.
struct ModelledResistor {
    NodeId from;
    NodeId to;
    double ohms;
    double seriesHenries = 0.0;
    double shuntFarads = 0.0;
    double viaHenries = 0.0;
};

struct AcCircuit {
    std::vector<Branch> branches;
    std::vector<Line> lines;
    std::vector<ModelledResistor> resistors{};
};

// The admittance of a branch or a modelled resistor at `hz`: nothing for a wire, 0 for an
// open branch.
[[nodiscard]] std::optional<Complex> admittanceOf(const Branch& branch, double hz);
[[nodiscard]] std::optional<Complex> admittanceOf(const ModelledResistor& resistor, double hz);

// The resistor network the two-port analysis takes, in these nodes.
[[nodiscard]] AcCircuit acCircuitOf(std::span<const Resistor> resistors);

// A current of `amps` from the ground into `node`.
struct AcInjection {
    NodeId node;
    Complex amps;
};

// Every node's voltage against the ground, indexed by node. A part of the circuit with no
// path to the ground floats: its voltages are taken from one of its nodes, and the currents
// injected into it must balance. Nothing when the circuit has no unique solution at `hz`
// (an isolated resonance, a current with no way back), or for a negative or non-finite `hz`.
[[nodiscard]] std::optional<std::vector<Complex>> solveAc(const AcCircuit& circuit, double hz,
                                                          std::span<const AcInjection> injections);

// A port between `node` and `returnNode`, and the real, positive resistance it is measured
// against.
struct AcPort {
    NodeId node;
    NodeId returnNode;
    double referenceOhms;
};

// A square matrix of complex numbers, entry (row, column).
class PortMatrix {
public:
    explicit PortMatrix(std::size_t size)
        : m_size(size)
        , m_entries(size * size) {}
    [[nodiscard]] std::size_t size() const { return m_size; }
    [[nodiscard]] Complex& operator()(std::size_t row, std::size_t column) {
        return m_entries.at(row * m_size + column);
    }
    [[nodiscard]] const Complex& operator()(std::size_t row, std::size_t column) const {
        return m_entries.at(row * m_size + column);
    }

private:
    std::size_t m_size;
    std::vector<Complex> m_entries;
};

// The scattering parameters between the ports in the power-wave definition: entry (i, j) is
// the wave out of port i for a unit wave into port j, the others terminated in their
// references, so that |S(i, j)|² is the transducer gain from j to i. Each port is driven in
// turn by a source behind its reference. Nothing as for solveAc, or for a reference that is
// not positive.
[[nodiscard]] std::optional<PortMatrix> acSParameters(const AcCircuit& circuit,
                                                      std::span<const AcPort> ports, double hz);

} // namespace zelmarino::design
