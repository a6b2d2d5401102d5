#include "design/circuit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zelmarino::design {

namespace {

// A node's index: the two-port analysis's named nodes in their order, or a number.
std::size_t indexOf(Node node) {
    return static_cast<std::size_t>(node);
}

std::size_t indexOf(std::size_t node) {
    return node;
}

// Nodes joined by wires, as a tiny union-find of the N nodes of a circuit.
template <std::size_t N> class Groups {
public:
    Groups() {
        for (std::size_t i = 0; i < N; ++i) {
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
    std::array<std::size_t, N> m_parent{};
};

// At most the nodes other than the ground are unknown: M of them.
template <std::size_t M> using PerUnknown = std::array<double, M>;

// The network between the unknowns: the conductance joining each pair, and each one's
// conductance to the ground.
template <std::size_t M> struct Conductances {
    std::array<PerUnknown<M>, M> between{};
    PerUnknown<M> toGround{};
};

// Gaussian elimination with partial pivoting, for networks with negative resistors, whose
// matrix may need it. Each row is first divided by its largest conductance, so that a node
// joined by a milliohm and one joined by a megohm are judged alike when a pivot is too small
// to trust.
template <std::size_t M>
std::optional<PerUnknown<M>> solvePivoting(const Conductances<M>& g, const PerUnknown<M>& injected,
                                           std::size_t n) {
    constexpr std::size_t maxUnknowns = M;
    using Row = std::array<double, maxUnknowns + 1>; // the conductances, then the current
    std::array<Row, maxUnknowns> rows{};
    for (std::size_t i = 0; i < n; ++i) {
        rows[i][i] = g.toGround[i];
        for (std::size_t j = 0; j < n; ++j) {
            if (j != i) {
                rows[i][i] += g.between[i][j];
                rows[i][j] = -g.between[i][j];
            }
        }
        rows[i][maxUnknowns] = injected[i];
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
    PerUnknown<M> x{};
    for (std::size_t i = n; i-- > 0;) {
        double sum = rows[i][maxUnknowns];
        for (std::size_t j = i + 1; j < n; ++j) {
            sum -= rows[i][j] * x.at(j);
        }
        x.at(i) = sum / rows[i][i];
    }
    return x;
}

// The driving currents as sources from one node into another, each a positive current, the
// ground being one more node, numbered after the n unknowns. They are kept apart rather than
// summed per node: when a node is reduced away, its sources pass to its neighbours in
// positive shares, where a current into the node and out of its neighbour, summed, would
// leave a small difference of large numbers at every step after.
template <std::size_t M> class Sources {
public:
    // Pairs each current into a node with currents out of others, so that a source and its
    // return, such as a floating port's two terminals, become one source between them.
    Sources(PerUnknown<M> injected, std::size_t n)
        : m_ground(n) {
        std::fill_n(m_amps.begin(), (n + 1) * (n + 1), 0.0);
        for (std::size_t into = 0; into < n; ++into) {
            for (std::size_t from = 0; from < n && injected[into] > 0.0; ++from) {
                if (injected[from] < 0.0) {
                    const double paired = std::min(injected[into], -injected[from]);
                    amps(from, into) += paired;
                    injected[into] -= paired;
                    injected[from] += paired;
                }
            }
        }
        for (std::size_t node = 0; node < n; ++node) {
            if (injected[node] > 0.0) {
                amps(m_ground, node) += injected[node];
            } else if (injected[node] < 0.0) {
                amps(node, m_ground) -= injected[node];
            }
        }
    }

    // Node k, about to be reduced away, passes what it carries to the nodes `around` it (those
    // left, then the ground) in proportion to the conductances joining them to it
    // (`perSiemens` is one over their total), and gives the net current it carried. A source
    // that would run from a node into itself drives nothing and is dropped.
    double passOn(std::size_t k, std::span<const std::size_t> around, const Conductances<M>& g,
                  double perSiemens) {
        double into = 0.0;
        double outOf = 0.0;
        for (const std::size_t other : around) {
            const double in = std::exchange(amps(other, k), 0.0);
            const double out = std::exchange(amps(k, other), 0.0);
            if (in == 0.0 && out == 0.0) {
                continue;
            }
            into += in;
            outOf += out;
            for (const std::size_t r : around) {
                if (r != other) {
                    const double share =
                        (r == m_ground ? g.toGround[k] : g.between[k][r]) * perSiemens;
                    amps(other, r) += in * share;
                    amps(r, other) += out * share;
                }
            }
        }
        return into - outOf;
    }

private:
    // The current from one node into another; only the first (n + 1)² are used.
    double& amps(std::size_t from, std::size_t into) {
        return m_amps[from * (m_ground + 1) + into];
    }

    std::size_t m_ground;
    std::array<double, (M + 1) * (M + 1)> m_amps; // set in the constructor
};

// The order of reduction: the unknowns, then the ground (numbered n) as if reduced last.
template <std::size_t M> using Order = std::array<std::size_t, M + 1>;

// Farthest first from the wanted node and the ground: the sources then pass towards both
// in positive shares, and the wanted node, reduced last, has its voltage straight from the
// currents that reach it, not as a difference of larger voltages. The distances come from a
// breadth-first search that starts at the wanted node and at the nodes next to the ground.
template <std::size_t M>
Order<M> eliminationOrder(const Conductances<M>& g, std::size_t n, std::size_t wanted) {
    std::array<std::size_t, M> nearestFirst{};
    std::array<bool, M> seen{};
    std::size_t found = 0;
    if (wanted < n) {
        nearestFirst[found++] = wanted;
        seen[wanted] = true;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!seen[i] && g.toGround[i] > 0.0) {
            nearestFirst[found++] = i;
            seen[i] = true;
        }
    }
    for (std::size_t next = 0; next < found; ++next) {
        for (std::size_t j = 0; j < n; ++j) {
            if (!seen[j] && g.between[nearestFirst[next]][j] > 0.0) {
                nearestFirst[found++] = j;
                seen[j] = true;
            }
        }
    }
    // Nodes joined to neither come first; a part that floats is found unsolvable whatever
    // the order, when its last node is reduced with nothing left to join it to.
    Order<M> order{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!seen[i]) {
            order[at++] = i;
        }
    }
    while (found > 0) {
        order[at++] = nearestFirst[--found];
    }
    order[n] = n;
    return order;
}

// Star-mesh reduction of a network of positive resistors, one node at a time: each node's
// conductances pass to the nodes left, and its conductance to the ground, taken through it,
// adds to theirs. Every total is then a sum of positive terms and never the difference that
// elimination forms on the diagonal, which loses all precision where a milliohm shunt joins
// a floating network's legs. Unsolvable only where a node has no path to the ground.
template <std::size_t M>
std::optional<PerUnknown<M>> solvePositive(Conductances<M>& g, const PerUnknown<M>& injected,
                                           std::size_t n, std::size_t wanted) {
    const Order<M> order = eliminationOrder(g, n, wanted);
    Sources<M> sources(injected, n);
    PerUnknown<M> perSiemens{};
    PerUnknown<M> current{};
    for (std::size_t step = 0; step < n; ++step) {
        const std::size_t k = order[step];
        const auto around = std::span(order).subspan(step + 1, n - step); // the ground last
        const auto left = around.first(around.size() - 1);
        double sum = g.toGround[k];
        for (const std::size_t j : left) {
            sum += g.between[k][j];
        }
        if (!(sum > 0.0) || !std::isfinite(sum)) {
            return std::nullopt;
        }
        perSiemens[k] = 1.0 / sum;
        current[k] = sources.passOn(k, around, g, perSiemens[k]);
        for (const std::size_t r : left) {
            const double share = g.between[r][k] * perSiemens[k];
            g.toGround[r] += share * g.toGround[k];
            for (const std::size_t c : left) {
                if (c != r) {
                    g.between[r][c] += share * g.between[k][c];
                }
            }
        }
    }
    // Each node's voltage from its current and the nodes reduced after it, last first.
    PerUnknown<M> x{};
    for (std::size_t step = n; step-- > 0;) {
        const std::size_t k = order[step];
        double sum = current[k];
        for (const std::size_t later : std::span(order).subspan(step + 1, n - step - 1)) {
            sum += g.between[k][later] * x[later];
        }
        x[k] = sum * perSiemens[k];
    }
    return x;
}

// The analysis of a circuit of N nodes, the ground first, its resistors and injections naming
// them as R and I do: Node or a number. Inlined into each entry, so that a table of a million
// designs, which solves every one several times, pays no call and no copy of the answer more
// than before there were two.
template <std::size_t N, typename R, typename I>
[[gnu::always_inline]] inline std::optional<std::array<double, N>>
solveCircuit(std::span<const R> resistors, std::span<const I> injections, std::size_t wanted) {
    constexpr std::size_t nodeCount = N;
    Groups<N> groups;
    std::array<bool, nodeCount> touched{};
    bool negative = false;
    for (const R& r : resistors) {
        touched.at(indexOf(r.from)) = true;
        touched.at(indexOf(r.to)) = true;
        if (r.ohms == 0.0) {
            groups.join(indexOf(r.from), indexOf(r.to));
        }
        negative = negative || r.ohms < 0.0;
    }
    const std::size_t ground = groups.root(0);

    // One unknown per group of touched nodes, other than the ground's.
    constexpr std::size_t none = nodeCount;
    std::array<std::size_t, nodeCount> unknownOfGroup{};
    std::array<std::size_t, nodeCount> unknownOf{}; // of each node
    unknownOfGroup.fill(none);
    unknownOf.fill(none);
    std::size_t unknowns = 0;
    for (std::size_t node = 0; node < nodeCount; ++node) {
        const std::size_t group = groups.root(node);
        if (touched[node] && group != ground) {
            if (unknownOfGroup[group] == none) {
                unknownOfGroup[group] = unknowns++;
            }
            unknownOf[node] = unknownOfGroup[group];
        }
    }
    const auto unknownAt = [&](auto node) { return unknownOf.at(indexOf(node)); };

    Conductances<N - 1> g;
    for (const R& r : resistors) {
        const std::size_t a = unknownAt(r.from);
        const std::size_t b = unknownAt(r.to);
        if (r.ohms == 0.0 || a == b) {
            continue; // a wire, or a resistor whose ends a wire joins: it carries nothing
        }
        const double conductance = 1.0 / r.ohms;
        if (a == none || b == none) {
            g.toGround.at(a == none ? b : a) += conductance;
        } else {
            g.between.at(a).at(b) += conductance;
            g.between.at(b).at(a) += conductance;
        }
    }
    PerUnknown<N - 1> injected{};
    for (const I& injection : injections) {
        const std::size_t a = unknownAt(injection.node);
        if (a == none) {
            if (groups.root(indexOf(injection.node)) != ground) {
                return std::nullopt; // a current into a node that nothing connects
            }
            continue;
        }
        injected.at(a) += injection.amps;
    }

    const std::size_t wantedUnknown = wanted < N ? unknownOf.at(wanted) : none;
    const auto solution = negative ? solvePivoting(g, injected, unknowns)
                                   : solvePositive(g, injected, unknowns, wantedUnknown);
    if (!solution) {
        return std::nullopt;
    }
    std::array<double, N> voltages{};
    for (std::size_t node = 0; node < nodeCount; ++node) {
        voltages[node] = unknownOf[node] == none ? 0.0 : solution->at(unknownOf[node]);
    }
    for (const double v : voltages) {
        if (!std::isfinite(v)) {
            return std::nullopt;
        }
    }
    return voltages;
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
                                       std::span<const Injection> injections, Node wanted) {
    return solveCircuit<std::tuple_size_v<NodeVoltages>>(resistors, injections, indexOf(wanted));
}

std::optional<std::vector<double>> solveNumberedNodes(std::span<const NumberedResistor> resistors,
                                                      std::span<const NumberedInjection> injections,
                                                      std::size_t nodes, std::size_t wanted) {
    const auto within = [nodes](std::size_t node) { return node < nodes; };
    const bool named =
        std::all_of(resistors.begin(), resistors.end(),
                    [&](const NumberedResistor& r) { return within(r.from) && within(r.to); }) &&
        std::all_of(injections.begin(), injections.end(),
                    [&](const NumberedInjection& i) { return within(i.node); });
    if (nodes > mostNumberedNodes || !named) {
        return std::nullopt;
    }
    const auto voltages = solveCircuit<mostNumberedNodes>(resistors, injections, wanted);
    if (!voltages) {
        return std::nullopt;
    }
    return std::vector<double>(voltages->begin(), voltages->begin() + static_cast<long>(nodes));
}

} // namespace zelmarino::design
