#include "design/ac_circuit.h"

#include "design/elimination.h"
#include "design/node_groups.h"
#include "design/zero_frequency.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zelmarino::design {

namespace {

using namespace std::complex_literals;

constexpr std::size_t none = noUnknown;

// 1 / z as inverseOf forms it, or by the library's division where the square of its size
// would overflow or vanish.
Complex inverse(Complex z) {
    const double size = std::norm(z);
    if (!(size > 0.0) || !std::isfinite(size)) {
        return 1.0 / z;
    }
    return inverseOf(z);
}

struct Admittance {
    NodeId a;
    NodeId b;
    Complex siemens;
};

// A line at one frequency. Where sin θ is small the admittance matrix, with its cot θ and
// csc θ, grows without bound, and at θ = kπ it does not exist: there the line is stamped in
// its chain form (V1 = A V2 + B I2, I1 = C V2 + D I2) with its two port currents as unknowns,
// which holds at every length. Both forms are exact; the admittances keep the system small.
struct LineAt {
    const Line* line;
    double cosine;
    double sine;
    [[nodiscard]] bool chained() const { return std::abs(sine) < 0.1; }
};

std::size_t nodeCountOf(const AcCircuit& circuit, std::span<const PortTermination> terminations,
                        std::span<const std::vector<AcInjection>> columns) {
    NodeId highest = groundNode;
    for (const Branch& b : circuit.branches) {
        highest = std::max({highest, b.from, b.to});
    }
    for (const Line& l : circuit.lines) {
        highest = std::max({highest, l.in, l.inReturn, l.out, l.outReturn});
    }
    for (const ModelledResistor& r : circuit.resistors) {
        highest = std::max({highest, r.from, r.to});
    }
    for (const PortTermination& t : terminations) {
        highest = std::max({highest, t.node, t.returnNode});
    }
    for (const auto& column : columns) {
        for (const AcInjection& injection : column) {
            highest = std::max(highest, injection.node);
        }
    }
    return highest + 1;
}

// The equations: one row per unknown, the unknowns' coefficients then one column per
// right-hand side, row after row.
class System {
public:
    System(std::size_t unknowns, std::size_t columns)
        : m_unknowns(unknowns)
        , m_width(unknowns + columns)
        , m_entries(unknowns * (unknowns + columns))
        , m_largest(unknowns) {}

    void add(std::size_t row, std::size_t column, Complex value) {
        if (row != none && column != none) {
            m_entries.at(row * m_width + column) += value;
            m_largest.at(row) = std::max(m_largest.at(row), sizeOf(value));
        }
    }
    // `value` times the voltage from `plus` to `minus`, into `row`.
    void addAcross(std::size_t row, std::size_t plus, std::size_t minus, Complex value) {
        if (plus != minus) {
            add(row, plus, value);
            add(row, minus, -value);
        }
    }
    // A current of `value` times the voltage from `colPlus` to `colMinus`, leaving `rowPlus`
    // and entering `rowMinus`.
    void stampPair(std::size_t rowPlus, std::size_t rowMinus, std::size_t colPlus,
                   std::size_t colMinus, Complex value) {
        if (rowPlus != rowMinus) {
            addAcross(rowPlus, colPlus, colMinus, value);
            addAcross(rowMinus, colPlus, colMinus, -value);
        }
    }
    void addSource(std::size_t row, std::size_t column, Complex amps) {
        if (row != none) {
            m_entries.at(row * m_width + m_unknowns + column) += amps;
        }
    }

    // The columns of the solution, each as long as the unknowns.
    std::optional<std::vector<std::vector<Complex>>> solve() && {
        const std::size_t n = m_unknowns;
        if (!eliminate(m_entries, n, m_width, m_largest)) {
            return std::nullopt;
        }
        std::vector<std::vector<Complex>> solutions(m_width - n, std::vector<Complex>(n));
        for (std::size_t c = 0; c < solutions.size(); ++c) {
            backSubstitute(m_entries, n, m_width, c, solutions[c]);
        }
        return solutions;
    }

private:
    std::size_t m_unknowns;
    std::size_t m_width;
    std::vector<Complex> m_entries;
    std::vector<double> m_largest; // of what was stamped into each row
};

bool isValid(const AcCircuit& circuit, double hz) {
    if (!(hz >= 0.0) || !std::isfinite(hz)) {
        return false;
    }
    return std::all_of(circuit.lines.begin(), circuit.lines.end(), [](const Line& l) {
        return l.z0 > 0.0 && std::isfinite(l.z0) && l.delaySeconds >= 0.0 &&
               std::isfinite(l.delaySeconds);
    });
}

// The circuit with `terminations` added, solved for each column of injections: every node's
// voltage, per column. A part with no path to the ground is referred to the first of
// `references` in it, else to its lowest node. At 0 Hz a circuit of resistors alone is solved
// as the two-port analysis solves it, keeping each column's `wanted` node most precise.
std::optional<std::vector<std::vector<Complex>>>
solveColumns(const AcCircuit& circuit, double hz, std::span<const PortTermination> terminations,
             std::span<const NodeId> references, std::span<const std::vector<AcInjection>> columns,
             std::span<const WantedPort> wanted) {
    if (!isValid(circuit, hz)) {
        return std::nullopt;
    }
    const std::size_t nodes = nodeCountOf(circuit, terminations, columns);
    const auto within = [nodes](NodeId node) { return node < nodes; };
    if (!std::all_of(references.begin(), references.end(), within)) {
        return std::nullopt;
    }

    // Wires are merged, as the two-port analysis merges them, so that they stay exact.
    NodeGroups wired(nodes);
    std::vector<Admittance> admittances;
    for (const PortTermination& t : terminations) {
        admittances.push_back({t.node, t.returnNode, 1.0 / t.ohms});
    }
    const auto admit = [&](NodeId from, NodeId to, std::optional<Complex> y) {
        if (!y) {
            wired.join(from, to);
        } else if (*y != 0.0) {
            admittances.push_back({from, to, *y});
        }
    };
    for (const Branch& b : circuit.branches) {
        admit(b.from, b.to, admittanceOf(b, hz));
    }
    for (const ModelledResistor& r : circuit.resistors) {
        admit(r.from, r.to, admittanceOf(r, hz));
    }
    std::vector<LineAt> lines;
    for (const Line& l : circuit.lines) {
        // The whole turns dropped first, so that a long line keeps its phase precise.
        const double theta = 2.0 * std::numbers::pi * std::fmod(hz * l.delaySeconds, 1.0);
        lines.push_back({&l, std::cos(theta), std::sin(theta)});
    }

    // What touches what; a line joins each side's terminals but not its two sides.
    NodeGroups joined = wired;
    for (const Admittance& y : admittances) {
        joined.join(y.a, y.b);
    }
    for (const Line& l : circuit.lines) {
        joined.join(l.in, l.inReturn);
        joined.join(l.out, l.outReturn);
    }
    // A floating part is measured from one of its nodes only if what enters it leaves it.
    const std::size_t groundPart = joined.root(groundNode);
    for (const auto& column : columns) {
        std::vector<Complex> net(nodes);
        std::vector<double> total(nodes);
        for (const AcInjection& injection : column) {
            const std::size_t part = joined.root(injection.node);
            net[part] += injection.amps;
            total[part] += std::abs(injection.amps);
        }
        for (std::size_t part = 0; part < nodes; ++part) {
            if (part != groundPart && std::abs(net[part]) > 1e-12 * total[part]) {
                return std::nullopt;
            }
        }
    }

    if (hz == 0.0 && solvableAsResistors(circuit, nodes, columns)) {
        return solveAsResistors(circuit, terminations, {wired, joined, references}, columns,
                                wanted);
    }
    referFloatingParts(joined, wired, references);

    const Unknowns numbered = unknownsOf(wired);
    const std::vector<std::size_t>& unknownOf = numbered.of;
    const std::size_t voltages = numbered.count;
    const std::size_t unknowns =
        voltages +
        2 * static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(),
                                                   [](const LineAt& l) { return l.chained(); }));

    System system(unknowns, columns.size());
    for (const Admittance& y : admittances) {
        const std::size_t a = unknownOf[y.a];
        const std::size_t b = unknownOf[y.b];
        system.stampPair(a, b, a, b, y.siemens);
    }
    std::size_t nextCurrent = voltages;
    for (const LineAt& at : lines) {
        const Line& l = *at.line;
        const std::size_t in = unknownOf[l.in];
        const std::size_t inReturn = unknownOf[l.inReturn];
        const std::size_t out = unknownOf[l.out];
        const std::size_t outReturn = unknownOf[l.outReturn];
        if (!at.chained()) {
            const Complex self = -1i * at.cosine / (at.sine * l.z0);
            const Complex mutual = 1i / (at.sine * l.z0);
            system.stampPair(in, inReturn, in, inReturn, self);
            system.stampPair(in, inReturn, out, outReturn, mutual);
            system.stampPair(out, outReturn, in, inReturn, mutual);
            system.stampPair(out, outReturn, out, outReturn, self);
            continue;
        }
        // i1 flows into the line at `in`, i2 out of it at `out`.
        const std::size_t i1 = nextCurrent++;
        const std::size_t i2 = nextCurrent++;
        const Complex a = at.cosine;
        const Complex b = 1i * l.z0 * at.sine;
        const Complex c = 1i * at.sine / l.z0;
        if (in != inReturn) {
            system.add(in, i1, 1.0);
            system.add(inReturn, i1, -1.0);
        }
        if (out != outReturn) {
            system.add(out, i2, -1.0);
            system.add(outReturn, i2, 1.0);
        }
        system.addAcross(i1, in, inReturn, 1.0);
        system.addAcross(i1, out, outReturn, -a);
        system.add(i1, i2, -b);
        system.add(i2, i1, 1.0);
        system.addAcross(i2, out, outReturn, -c);
        system.add(i2, i2, -a);
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (const AcInjection& injection : columns[c]) {
            system.addSource(unknownOf[injection.node], c, injection.amps);
        }
    }

    const auto solutions = std::move(system).solve();
    if (!solutions) {
        return std::nullopt;
    }
    std::vector<std::vector<Complex>> atNodes;
    for (const std::vector<Complex>& x : *solutions) {
        std::vector<Complex>& v = atNodes.emplace_back(nodes);
        for (NodeId node = 0; node < nodes; ++node) {
            v[node] = unknownOf[node] == none ? 0.0 : x[unknownOf[node]];
        }
    }
    return atNodes;
}

} // namespace

std::optional<Complex> admittanceOf(const Branch& branch, double hz) {
    const double omega = 2.0 * std::numbers::pi * hz;
    switch (branch.kind) {
    case Lumped::Resistor:
        if (branch.value == 0.0) {
            return std::nullopt;
        }
        return 1.0 / branch.value;
    case Lumped::Inductor:
        if (branch.value == 0.0 || omega == 0.0) {
            return std::nullopt;
        }
        return 1.0 / (1i * omega * branch.value);
    case Lumped::Capacitor:
        return 1i * omega * branch.value;
    }
    return std::nullopt;
}

std::optional<Complex> admittanceOf(const ModelledResistor& r, double hz) {
    if (hz == 0.0) {
        // Its resistance alone, formed as the two-port analysis forms it.
        return admittanceOf(Branch{Lumped::Resistor, r.from, r.to, r.ohms}, hz);
    }
    const double omega = 2.0 * std::numbers::pi * hz;
    const Complex via = 1i * (omega * r.viaHenries);
    const Complex body = r.ohms + 1i * (omega * r.seriesHenries);
    if (body == 0.0) {
        // A wire, or the via alone.
        if (via == 0.0) {
            return std::nullopt;
        }
        return inverse(via);
    }
    const Complex across =
        (std::isinf(r.ohms) ? Complex{} : inverse(body)) + 1i * (omega * r.shuntFarads);
    if (across == 0.0 || via == 0.0) {
        return across;
    }
    return inverse(inverse(across) + via);
}

AcCircuit acCircuitOf(std::span<const Resistor> resistors) {
    AcCircuit circuit;
    for (const Resistor& r : resistors) {
        circuit.branches.push_back({Lumped::Resistor, nodeIdOf(r.from), nodeIdOf(r.to), r.ohms});
    }
    return circuit;
}

std::optional<std::vector<Complex>> solveAc(const AcCircuit& circuit, double hz,
                                            std::span<const AcInjection> injections) {
    const std::vector<AcInjection> column(injections.begin(), injections.end());
    const auto solution = solveColumns(circuit, hz, {}, {}, std::span(&column, 1), {});
    if (!solution) {
        return std::nullopt;
    }
    return solution->front();
}

std::optional<PortMatrix> acSParameters(const AcCircuit& circuit, std::span<const AcPort> ports,
                                        double hz) {
    std::vector<PortTermination> terminations;
    std::vector<NodeId> references;
    std::vector<WantedPort> wanted; // for each port driven, the next port
    std::vector<std::vector<AcInjection>> columns;
    for (const AcPort& port : ports) {
        if (!(port.referenceOhms > 0.0) || !std::isfinite(port.referenceOhms)) {
            return std::nullopt;
        }
        terminations.push_back({port.node, port.returnNode, port.referenceOhms});
        references.push_back(port.returnNode);
        // A source of 1 V behind the reference, in its Norton form.
        const double amps = 1.0 / port.referenceOhms;
        columns.push_back({{port.node, amps}, {port.returnNode, -amps}});
    }
    for (std::size_t j = 0; j < ports.size(); ++j) {
        const AcPort& next = ports[(j + 1) % ports.size()];
        wanted.push_back({next.node, next.returnNode});
    }
    const auto solutions = solveColumns(circuit, hz, terminations, references, columns, wanted);
    if (!solutions) {
        return std::nullopt;
    }
    // With real references, the driven port j reflects 2 Vj - 1 of the source's 1 V, and
    // port i, terminated, passes on 2 Vi · sqrt(Zj / Zi).
    PortMatrix s(ports.size());
    for (std::size_t j = 0; j < ports.size(); ++j) {
        const std::vector<Complex>& v = (*solutions)[j];
        for (std::size_t i = 0; i < ports.size(); ++i) {
            const Complex across = v[ports[i].node] - v[ports[i].returnNode];
            s(i, j) =
                i == j ? 2.0 * across - 1.0
                       : 2.0 * across * std::sqrt(ports[j].referenceOhms / ports[i].referenceOhms);
        }
    }
    return s;
}

} // namespace zelmarino::design
