#include "design/node_groups.h"

#include <numeric>

namespace zelmarino::design {

NodeGroups::NodeGroups(std::size_t nodes)
    : m_parent(nodes) {
    std::iota(m_parent.begin(), m_parent.end(), std::size_t{0});
}

std::size_t NodeGroups::root(std::size_t node) const {
    while (m_parent.at(node) != node) {
        node = m_parent.at(node);
    }
    return node;
}

void NodeGroups::join(std::size_t a, std::size_t b) {
    m_parent.at(root(a)) = root(b);
}

void referFloatingParts(const NodeGroups& joined, NodeGroups& wired,
                        std::span<const std::size_t> references) {
    const std::size_t groundPart = joined.root(0);
    std::vector<bool> referred(joined.size(), false);
    const auto refer = [&](std::size_t node) {
        const std::size_t part = joined.root(node);
        if (part != groundPart && !referred[part]) {
            referred[part] = true;
            wired.join(node, 0);
        }
    };
    for (const std::size_t node : references) {
        refer(node);
    }
    for (std::size_t node = 0; node < joined.size(); ++node) {
        refer(node);
    }
}

Unknowns unknownsOf(const NodeGroups& wired) {
    const std::size_t ground = wired.root(0);
    Unknowns unknowns{std::vector<std::size_t>(wired.size(), noUnknown), 0};
    std::vector<std::size_t> ofGroup(wired.size(), noUnknown);
    for (std::size_t node = 0; node < wired.size(); ++node) {
        const std::size_t group = wired.root(node);
        if (group != ground) {
            if (ofGroup[group] == noUnknown) {
                ofGroup[group] = unknowns.count++;
            }
            unknowns.of[node] = ofGroup[group];
        }
    }
    return unknowns;
}

} // namespace zelmarino::design
