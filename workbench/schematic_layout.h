// Where the schematic puts each arm, made from the catalogue: the input port on the left,
// the output on the right, series arms along the upper rail (a balanced network's lower
// halves along the lower rail), shunt arms down from their node, a bridge above the rest, a
// splitter's second output half-way down on the right. In grid units: x from 0 (input port)
// to 4 (output port), y from -1 (a bridge) to 2 (the lower rail); the window scales it.
#pragma once

#include "design/catalogue.h"

#include <span>
#include <vector>

namespace zelmarino::workbench {

struct Point {
    double x;
    double y;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
    Point from;
    Point to;
};

struct PlacedArm {
    std::size_t index;          // into the arms given
    Segment body;               // the line the resistor lies on, from node to node
    std::vector<Segment> leads; // what joins the body's ends to its nodes, if they are apart
};

// A quarter-wave line of a network that has them, drawn as a box from node to node.
struct PlacedLine {
    std::size_t index; // into the network's lines
    Segment body;
};

struct Schematic {
    std::vector<PlacedArm> arms;
    std::vector<PlacedLine> lines;
    // The ports' leads, the ground rail of an unbalanced network, the wire of one that passes
    // straight through.
    std::vector<Segment> wires;
    bool grounded;     // the lower rail is the ground
    bool bridged;      // something lies above the upper rail
    bool secondOutput; // a splitter's, at the right end of the middle row
};

// The grid point of a node: In, Middle, Out at x 1, 2, 3 on the upper rail (y 0), their
// lower-leg twins and the ground on the lower rail (y 2), a second output at x 3, y 1. The
// networks of lines use the middle nodes as the ends of their lines: a quarter-wave series
// pad has them side by side on the upper rail, a reflection attenuator's hybrid is a square
// with the ports on its upper side and the arms' ends on its lower.
[[nodiscard]] Point pointOf(const design::NetworkEntry& entry, design::Node node);

// `arms` as the network is placed (an L's may be mirrored).
[[nodiscard]] Schematic schematicOf(const design::NetworkEntry& entry,
                                    std::span<const design::ArmEntry> arms);

} // namespace zelmarino::workbench
