// Where the schematic puts each arm, made from the catalogue: the input port on the left,
// the output on the right, series arms along the upper rail (a balanced network's lower
// halves along the lower rail), shunt arms down from their node, a bridge above the rest.
// In grid units: x from 0 (input port) to 4 (output port), y from -1 (a bridge) to 2 (the
// lower rail); the window scales it.
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

struct Schematic {
    std::vector<PlacedArm> arms;
    std::vector<Segment> wires; // the ports' leads and, unbalanced, the ground rail
    bool grounded;              // the lower rail is the ground
    bool bridged;               // something lies above the upper rail
};

// The grid point of a node: In, Middle, Out at x 1, 2, 3 on the upper rail (y 0), their
// lower-leg twins and the ground on the lower rail (y 2).
[[nodiscard]] Point pointOf(design::Node node);

[[nodiscard]] Schematic schematicOf(std::span<const design::ArmEntry> arms, bool balanced);

} // namespace zelmarino::workbench
