#include "design/ac_sweep.h"

#include "design/elimination.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

namespace zelmarino::design {

namespace {

constexpr std::size_t none = std::numeric_limits<std::size_t>::max();

// Nodes joined, as a small union-find.
struct Joined {
    std::vector<std::size_t> parent;

    explicit Joined(std::size_t nodes)
        : parent(nodes) {
        std::iota(parent.begin(), parent.end(), std::size_t{0});
    }
    [[nodiscard]] std::size_t root(std::size_t node) const {
        while (parent.at(node) != node) {
            node = parent.at(node);
        }
        return node;
    }
    void join(std::size_t a, std::size_t b) { parent.at(root(a)) = root(b); }
};

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
    if (!m_circuit.lines.empty() || m_ports.size() > mostPorts || !referencesValid) {
        return;
    }
    const std::size_t nodes = nodeCountOf(m_circuit, m_ports);
    Joined wired(nodes);
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
    Joined joined = wired;
    for (const Stamp& s : stamps) {
        joined.join(s.a, s.b);
    }
    const std::size_t groundPart = joined.root(groundNode);
    std::vector<bool> referred(nodes, false);
    const auto refer = [&](NodeId node) {
        const std::size_t part = joined.root(node);
        if (part != groundPart && !referred[part]) {
            referred[part] = true;
            wired.join(node, groundNode);
        }
    };
    for (const AcPort& p : m_ports) {
        refer(p.returnNode);
    }
    for (NodeId node = 0; node < nodes; ++node) {
        refer(node);
    }
    const std::size_t ground = wired.root(groundNode);
    m_unknownOf.assign(nodes, none);
    std::vector<std::size_t> unknownOfGroup(nodes, none);
    for (NodeId node = 0; node < nodes; ++node) {
        const std::size_t group = wired.root(node);
        if (group != ground) {
            if (unknownOfGroup[group] == none) {
                unknownOfGroup[group] = m_unknowns++;
            }
            m_unknownOf[node] = unknownOfGroup[group];
        }
    }
    if (m_unknowns > mostUnknowns) {
        return;
    }
    for (Stamp& s : stamps) {
        s.a = m_unknownOf[s.a];
        s.b = m_unknownOf[s.b];
    }
    m_stamps = std::move(stamps);
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

std::optional<PortMatrix> PortSweep::at(double hz) const {
    if (!m_fast || !(hz > 0.0) || !std::isfinite(hz)) {
        return acSParameters(m_circuit, m_ports, hz);
    }
    const std::size_t n = m_unknowns;
    const std::size_t width = n + m_ports.size();
    std::array<Complex, mostUnknowns*(mostUnknowns + mostPorts)> entries{};
    std::array<double, mostUnknowns> largest{};
    const auto add = [&](std::size_t row, std::size_t column, Complex value) {
        if (row != none && column != none) {
            entries.at(row * width + column) += value;
            largest.at(row) = std::max(largest.at(row), std::abs(value));
        }
    };
    for (const Stamp& s : m_stamps) {
        if (s.a == s.b) {
            continue;
        }
        const Complex y = admittanceAt(s, hz);
        add(s.a, s.a, y);
        add(s.a, s.b, -y);
        add(s.b, s.a, -y);
        add(s.b, s.b, y);
    }
    // Each port driven in turn by a source of 1 V behind its reference, in its Norton form.
    for (std::size_t c = 0; c < m_ports.size(); ++c) {
        const AcPort& p = m_ports[c];
        const double amps = 1.0 / p.referenceOhms;
        for (const auto& [node, sign] : {std::pair{p.node, 1.0}, std::pair{p.returnNode, -1.0}}) {
            const std::size_t row = m_unknownOf[node];
            if (row != none) {
                entries.at(row * width + n + c) += sign * amps;
            }
        }
    }
    const std::span<Complex> m = std::span(entries).first(n * width);
    if (!eliminate(m, n, width, largest)) {
        return std::nullopt;
    }
    const auto across = [&](const std::array<Complex, mostUnknowns>& x, const AcPort& p) {
        const std::size_t plus = m_unknownOf[p.node];
        const std::size_t minus = m_unknownOf[p.returnNode];
        return (plus == none ? Complex{} : x.at(plus)) - (minus == none ? Complex{} : x.at(minus));
    };
    PortMatrix s(m_ports.size());
    std::array<Complex, mostUnknowns> x{};
    for (std::size_t j = 0; j < m_ports.size(); ++j) {
        backSubstitute(m, n, width, j, x);
        for (std::size_t i = 0; i < m_ports.size(); ++i) {
            const Complex v = across(x, m_ports[i]);
            s(i, j) =
                i == j ? 2.0 * v - 1.0
                       : 2.0 * v * std::sqrt(m_ports[j].referenceOhms / m_ports[i].referenceOhms);
        }
    }
    return s;
}

} // namespace zelmarino::design
