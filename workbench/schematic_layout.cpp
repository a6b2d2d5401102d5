#include "workbench/schematic_layout.h"

namespace zelmarino::workbench {

namespace {

constexpr double upperRail = 0.0;
constexpr double lowerRail = 2.0;
constexpr double bridgeRail = -1.0;
constexpr double secondOutputRow = 1.0;
constexpr double hybridRow = 1.0;
constexpr double inputPort = 0.0;
constexpr double outputPort = 4.0;

} // namespace

Point pointOf(const design::NetworkEntry& entry, design::Node node) {
    using design::Node;
    if (entry.network == design::Network::QuarterWaveSeries &&
        (node == Node::Middle || node == Node::MiddleN)) {
        return {node == Node::Middle ? 1.6 : 2.4, upperRail};
    }
    if (entry.network == design::Network::Reflection) {
        switch (node) {
        case Node::Middle:
            return {1.0, hybridRow};
        case Node::MiddleN:
            return {3.0, hybridRow};
        default:
            break;
        }
    }
    switch (node) {
    case Node::In:
        return {1.0, upperRail};
    case Node::Middle:
        return {2.0, upperRail};
    case Node::Out:
        return {3.0, upperRail};
    case Node::InN:
        return {1.0, lowerRail};
    case Node::MiddleN:
        return {2.0, lowerRail};
    case Node::OutN:
        return {3.0, lowerRail};
    case Node::Out2:
        return {3.0, secondOutputRow};
    case Node::Ground:
        break;
    }
    return {2.0, lowerRail};
}

Schematic schematicOf(const design::NetworkEntry& entry, std::span<const design::ArmEntry> arms) {
    Schematic schematic{{}, {}, {}, !entry.balanced, false, entry.ports > 2};
    const auto pointOfNode = [&](design::Node node) { return pointOf(entry, node); };
    for (std::size_t i = 0; i < arms.size(); ++i) {
        const design::ArmEntry& arm = arms[i];
        const Point from = pointOfNode(arm.from);
        Point to = pointOfNode(arm.to);
        if (arm.to == design::Node::Ground) {
            to.x = from.x; // straight down to the ground rail
        }
        if (arm.kind == "bridge") {
            // Lifted above the arms it bridges, joined to its nodes by two leads.
            const Point start{from.x, bridgeRail};
            const Point end{to.x, bridgeRail};
            schematic.arms.push_back({i, {start, end}, {{from, start}, {to, end}}});
            schematic.bridged = true;
        } else if (from.x != to.x && from.y != to.y) {
            // To another row: down from its node, then along the row to the other.
            const Point corner{from.x, to.y};
            schematic.arms.push_back({i, {corner, to}, {{from, corner}}});
        } else {
            schematic.arms.push_back({i, {from, to}, {}});
        }
    }
    for (std::size_t i = 0; i < entry.lines.size(); ++i) {
        schematic.lines.push_back(
            {i, {pointOfNode(entry.lines[i].from), pointOfNode(entry.lines[i].to)}});
    }
    if (entry.through) {
        schematic.wires.push_back({pointOfNode(design::Node::In), pointOfNode(design::Node::Out)});
    }
    for (const double rail : {upperRail, lowerRail}) {
        if (rail == lowerRail && schematic.grounded) {
            schematic.wires.push_back({{inputPort, rail}, {outputPort, rail}});
            continue;
        }
        schematic.wires.push_back({{inputPort, rail}, {1.0, rail}});
        schematic.wires.push_back({{3.0, rail}, {outputPort, rail}});
    }
    if (schematic.secondOutput) {
        schematic.wires.push_back({pointOfNode(design::Node::Out2), {outputPort, secondOutputRow}});
    }
    return schematic;
}

} // namespace zelmarino::workbench
