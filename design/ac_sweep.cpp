#include "design/ac_sweep.h"

#include "design/elimination.h"
#include "design/node_groups.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zelmarino::design {

namespace {

constexpr std::size_t none = noUnknown;

// What a branch is at every frequency above 0 Hz.
enum class Above { Wire, Open, Admittance };

Above aboveZero(const Branch& b) {
    switch (b.kind) {
    case Lumped::Resistor:
        return b.value == 0.0 ? Above::Wire : std::isinf(b.value) ? Above::Open : Above::Admittance;
    case Lumped::Inductor:
        return b.value == 0.0 ? Above::Wire : Above::Admittance;
    case Lumped::Capacitor:
        return b.value == 0.0 ? Above::Open : Above::Admittance;
    }
    return Above::Open;
}

Above aboveZero(const ModelledResistor& r) {
    if (r.ohms == 0.0 && r.seriesHenries == 0.0 && r.viaHenries == 0.0) {
        return Above::Wire;
    }
    return std::isinf(r.ohms) && r.shuntFarads == 0.0 ? Above::Open : Above::Admittance;
}

std::size_t nodeCountOf(const AcCircuit& circuit, std::span<const AcPort> ports) {
    NodeId highest = groundNode;
    for (const Branch& b : circuit.branches) {
        highest = std::max({highest, b.from, b.to});
    }
    for (const ModelledResistor& r : circuit.resistors) {
        highest = std::max({highest, r.from, r.to});
    }
    for (const AcPort& p : ports) {
        highest = std::max({highest, p.node, p.returnNode});
    }
    return highest + 1;
}

} // namespace

PortSweep::PortSweep(AcCircuit circuit, std::span<const AcPort> ports)
    : m_circuit(std::move(circuit))
    , m_ports(ports.begin(), ports.end()) {
    const bool referencesValid = std::all_of(m_ports.begin(), m_ports.end(), [](const AcPort& p) {
        return p.referenceOhms > 0.0 && std::isfinite(p.referenceOhms);
    });
    if (!m_circuit.lines.empty() || !referencesValid) {
        return;
    }
    const std::size_t nodes = nodeCountOf(m_circuit, m_ports);
    NodeGroups wired(nodes);
    std::vector<Stamp> stamps; // with nodes, not yet unknowns
    // In the order acSParameters stamps them, so that both add alike.
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        stamps.push_back({m_ports[i].node, m_ports[i].returnNode, Element::Termination, i});
    }
    const auto place = [&](NodeId from, NodeId to, Above above, Element element, std::size_t i) {
        if (above == Above::Wire) {
            wired.join(from, to);
        } else if (above == Above::Admittance) {
            stamps.push_back({from, to, element, i});
        }
    };
    for (std::size_t i = 0; i < m_circuit.branches.size(); ++i) {
        const Branch& b = m_circuit.branches[i];
        place(b.from, b.to, aboveZero(b), Element::Branch, i);
    }
    for (std::size_t i = 0; i < m_circuit.resistors.size(); ++i) {
        const ModelledResistor& r = m_circuit.resistors[i];
        place(r.from, r.to, aboveZero(r), Element::Resistor, i);
    }
    // A part with no path to the ground is referred to the first port's return in it, else to
    // its lowest node, as acSParameters refers it.
    NodeGroups joined = wired;
    for (const Stamp& s : stamps) {
        joined.join(s.a, s.b);
    }
    std::vector<NodeId> returns;
    for (const AcPort& p : m_ports) {
        returns.push_back(p.returnNode);
    }
    referFloatingParts(joined, wired, returns);
    Unknowns numbered = unknownsOf(wired);
    m_unknownOf = std::move(numbered.of);
    m_unknowns = numbered.count;
    if (m_unknowns > mostUnknowns) {
        return;
    }
    for (Stamp& s : stamps) {
        s.a = m_unknownOf[s.a];
        s.b = m_unknownOf[s.b];
    }
    // Each port driven in turn by a source of 1 V behind its reference, in its Norton form.
    const auto orGround = [&](NodeId node) {
        return m_unknownOf[node] == none ? m_unknowns : m_unknownOf[node];
    };
    for (std::size_t c = 0; c < m_ports.size(); ++c) {
        const AcPort& p = m_ports[c];
        const double amps = 1.0 / p.referenceOhms;
        for (const auto& [node, current] :
             {std::pair{p.node, amps}, std::pair{p.returnNode, -amps}}) {
            if (m_unknownOf[node] != none) {
                m_sources.push_back({m_unknownOf[node], c, current});
            }
        }
        m_across.emplace_back(orGround(p.node), orGround(p.returnNode));
        for (const AcPort& q : m_ports) {
            m_waveScale.push_back(std::sqrt(q.referenceOhms / p.referenceOhms));
        }
    }
    m_stamps = std::move(stamps);
    m_entries.resize(m_unknowns * (m_unknowns + m_ports.size()));
    m_largest.resize(m_unknowns);
    m_solution.resize(m_unknowns + 1);
    m_fast = true;
}

Complex PortSweep::admittanceAt(const Stamp& s, double hz) const {
    switch (s.element) {
    case Element::Termination:
        return 1.0 / m_ports[s.index].referenceOhms;
    case Element::Branch:
        return admittanceOf(m_circuit.branches[s.index], hz).value_or(Complex{});
    case Element::Resistor:
        return admittanceOf(m_circuit.resistors[s.index], hz).value_or(Complex{});
    }
    return {};
}

std::optional<PortMatrix> PortSweep::at(double hz) {
    if (!m_fast || !(hz > 0.0) || !std::isfinite(hz)) {
        return acSParameters(m_circuit, m_ports, hz);
    }
    const std::size_t n = m_unknowns;
    const std::size_t width = n + m_ports.size();
    std::vector<Complex>& entries = m_entries;
    std::vector<double>& largest = m_largest;
    std::fill(entries.begin(), entries.end(), Complex{});
    std::fill(largest.begin(), largest.end(), 0.0);
    const auto stamp = [&](std::size_t row, std::size_t other, Complex y, double size) {
        if (row != none) {
            entries[row * width + row] += y;
            if (other != none) {
                entries[row * width + other] -= y;
            }
            largest[row] = std::max(largest[row], size);
        }
    };
    for (const Stamp& s : m_stamps) {
        if (s.a == s.b) {
            continue;
        }
        const Complex y = admittanceAt(s, hz);
        // What acSParameters's rows note as their largest entry, its size taken once.
        const double size = s.element == Element::Termination ? y.real() : sizeOf(y);
        stamp(s.a, s.b, y, size);
        stamp(s.b, s.a, y, size);
    }
    for (const Source& source : m_sources) {
        entries[source.row * width + n + source.column] += source.amps;
    }
    if (!eliminate(entries, n, width, largest)) {
        return std::nullopt;
    }
    const std::size_t ports = m_ports.size();
    PortMatrix s(ports);
    std::vector<Complex>& x = m_solution;
    for (std::size_t j = 0; j < ports; ++j) {
        backSubstitute(entries, n, width, j, std::span(x).first(n));
        for (std::size_t i = 0; i < ports; ++i) {
            const auto [plus, minus] = m_across[i];
            const Complex v = x[plus] - x[minus];
            // With real references, the driven port reflects 2 V - 1 of the source's 1 V and
            // another, terminated, passes on 2 V sqrt(Zj / Zi).
            s(i, j) = i == j ? 2.0 * v - 1.0 : 2.0 * v * m_waveScale[i * ports + j];
        }
    }
    return s;
}

} // namespace zelmarino::design
