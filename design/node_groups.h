// How the frequency analyses number a circuit's nodes: the nodes that wires join are one, a
// part with no path to the ground is referred to one of its nodes, and every other group of
// nodes is one unknown of the equations.
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace zelmarino::design {

// A node's unknown where it has none: it is the ground's.
inline constexpr std::size_t noUnknown = std::numeric_limits<std::size_t>::max();

// Nodes joined, as a small union-find.
class NodeGroups {
public:
    explicit NodeGroups(std::size_t nodes);
    [[nodiscard]] std::size_t size() const { return m_parent.size(); }
    [[nodiscard]] std::size_t root(std::size_t node) const;
    void join(std::size_t a, std::size_t b);

private:
    std::vector<std::size_t> m_parent;
};

// Joins into `wired` one node of every part of `joined` that has no path to the ground (0):
// the first of `references` in it, else its lowest node. Its voltages are then taken from
// there, which changes no current in it.
void referFloatingParts(const NodeGroups& joined, NodeGroups& wired,
                        std::span<const std::size_t> references);

// The unknown of each node, one per group of `wired` other than the ground's, numbered in the
// order of their lowest nodes; noUnknown for the ground's. `count` is how many there are.
struct Unknowns {
    std::vector<std::size_t> of;
    std::size_t count = 0;
};

[[nodiscard]] Unknowns unknownsOf(const NodeGroups& wired);

} // namespace zelmarino::design
