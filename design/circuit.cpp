#include "design/circuit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zelmarino::design {

namespace {

constexpr std::size_t nodeCount = std::tuple_size_v<NodeVoltages>;

std::size_t indexOf(Node node) {
    return static_cast<std::size_t>(node);
}

// Nodes joined by wires, as a tiny union-find.
class Groups {
public:
    Groups() {
        for (std::size_t i = 0; i < nodeCount; ++i) {
            m_parent.at(i) = i;
        }
    }
    [[nodiscard]] std::size_t root(std::size_t node) const {
        while (m_parent.at(node) != node) {
            node = m_parent.at(node);
        }
        return node;
    }
    void join(std::size_t a, std::size_t b) { m_parent.at(root(a)) = root(b); }

private:
    std::array<std::size_t, nodeCount> m_parent{};
};

// At most the nodes other than the ground are unknown.
constexpr std::size_t maxUnknowns = nodeCount - 1;
using Row = std::array<double, maxUnknowns + 1>; // the conductances, then the injected current
using Rows = std::array<Row, maxUnknowns>;

// Gaussian elimination with partial pivoting on the first n rows. Each row is first divided
// by its largest conductance, so that a node joined by a milliohm and one joined by a
// megohm are judged alike when a pivot is too small to trust.
std::optional<std::array<double, maxUnknowns>> solveLinear(Rows rows, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        double scale = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            scale = std::max(scale, std::abs(rows[i][j]));
        }
        if (!(scale > 0.0) || !std::isfinite(scale)) {
            return std::nullopt;
        }
        for (double& entry : rows[i]) {
            entry /= scale;
        }
    }
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r) {
            if (std::abs(rows[r][col]) > std::abs(rows[pivot][col])) {
                pivot = r;
            }
        }
        if (!(std::abs(rows[pivot][col]) > 1e-14)) {
            return std::nullopt;
        }
        std::swap(rows[col], rows[pivot]);
        for (std::size_t r = col + 1; r < n; ++r) {
            const double factor = rows[r][col] / rows[col][col];
            for (std::size_t j = col; j < n; ++j) {
                rows[r][j] -= factor * rows[col][j];
            }
            rows[r][maxUnknowns] -= factor * rows[col][maxUnknowns];
        }
    }
    std::array<double, maxUnknowns> x{};
    for (std::size_t i = n; i-- > 0;) {
        double sum = rows[i][maxUnknowns];
        for (std::size_t j = i + 1; j < n; ++j) {
            sum -= rows[i][j] * x.at(j);
        }
        x.at(i) = sum / rows[i][i];
    }
    return x;
}

} // namespace

Node returnOf(Node port, std::span<const Resistor> network) {
    const Node lower = port == Node::In ? Node::InN : Node::OutN;
    for (const Resistor& r : network) {
        if (r.from == lower || r.to == lower) {
            return lower;
        }
    }
    return Node::Ground;
}

std::optional<NodeVoltages> solveNodes(std::span<const Resistor> resistors,
                                       std::span<const Injection> injections) {
    Groups groups;
    std::array<bool, nodeCount> touched{};
    for (const Resistor& r : resistors) {
        touched.at(indexOf(r.from)) = true;
        touched.at(indexOf(r.to)) = true;
        if (r.ohms == 0.0) {
            groups.join(indexOf(r.from), indexOf(r.to));
        }
    }
    const std::size_t ground = groups.root(indexOf(Node::Ground));

    // One unknown per group of touched nodes, other than the ground's.
    constexpr std::size_t none = nodeCount;
    std::array<std::size_t, nodeCount> unknownOf{};
    unknownOf.fill(none);
    std::size_t unknowns = 0;
    for (std::size_t node = 0; node < nodeCount; ++node) {
        const std::size_t group = groups.root(node);
        if (touched.at(node) && group != ground && unknownOf.at(group) == none) {
            unknownOf.at(group) = unknowns++;
        }
    }
    const auto unknownAt = [&](Node node) { return unknownOf.at(groups.root(indexOf(node))); };

    Rows rows{};
    for (const Resistor& r : resistors) {
        if (r.ohms == 0.0) {
            continue;
        }
        const double g = 1.0 / r.ohms;
        const std::size_t a = unknownAt(r.from);
        const std::size_t b = unknownAt(r.to);
        if (a != none) {
            rows[a][a] += g;
        }
        if (b != none) {
            rows[b][b] += g;
        }
        if (a != none && b != none) {
            rows[a][b] -= g;
            rows[b][a] -= g;
        }
    }
    for (const Injection& injection : injections) {
        const std::size_t a = unknownAt(injection.node);
        if (a == none) {
            if (groups.root(indexOf(injection.node)) != ground) {
                return std::nullopt; // a current into a node that nothing connects
            }
            continue;
        }
        rows[a][maxUnknowns] += injection.amps;
    }

    const auto solution = solveLinear(rows, unknowns);
    if (!solution) {
        return std::nullopt;
    }
    NodeVoltages voltages{};
    for (std::size_t node = 0; node < nodeCount; ++node) {
        const std::size_t a = unknownOf.at(groups.root(node));
        voltages.at(node) = a == none ? 0.0 : solution->at(a);
    }
    for (const double v : voltages) {
        if (!std::isfinite(v)) {
            return std::nullopt;
        }
    }
    return voltages;
}

} // namespace zelmarino::design
