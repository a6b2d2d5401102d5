// The schematic's places for every network of the catalogue: each arm between its nodes,
// none on top of another.
#include "tests/workbench/case_name.h"
#include "workbench/schematic_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::workbench {
namespace {

struct Placement {
    design::Network network;
    design::ShuntAt shunt;
    std::string name; // the case's: the command's name, and how an L is placed
};

std::vector<Placement> placements() {
    std::vector<Placement> all;
    for (const design::NetworkEntry& entry : design::catalogue()) {
        std::string name(entry.command);
        std::replace(name.begin(), name.end(), '-', '_');
        all.push_back({entry.network, design::ShuntAt::Output, name});
        if (!entry.armsShuntAtInput.empty()) {
            all.push_back({entry.network, design::ShuntAt::Input, name + "_shunt_at_input"});
        }
    }
    return all;
}

class SchematicOf : public ::testing::TestWithParam<Placement> {};

// Where an arm's drawing meets the circuit: the body's ends, or the far ends of its leads.
Point joined(const PlacedArm& arm, bool start) {
    const Point end = start ? arm.body.from : arm.body.to;
    for (const Segment& lead : arm.leads) {
        if (lead.to == end) {
            return lead.from;
        }
    }
    return end;
}

TEST_P(SchematicOf, every_arm_joins_its_own_nodes_and_none_overlaps) {
    const design::NetworkEntry& entry = design::entryOf(GetParam().network);
    const auto arms = design::armsOf(GetParam().network, GetParam().shunt);
    const Schematic schematic = schematicOf(entry, arms);
    ASSERT_EQ(schematic.arms.size(), arms.size());
    EXPECT_EQ(schematic.grounded, !entry.balanced);
    EXPECT_EQ(schematic.secondOutput, entry.ports == 3);
    for (const PlacedArm& arm : schematic.arms) {
        const design::ArmEntry& placed = arms[arm.index];
        EXPECT_EQ(joined(arm, true), pointOf(entry, placed.from)) << placed.name;
        const Point to = joined(arm, false);
        if (placed.to == design::Node::Ground) {
            EXPECT_EQ(to.y, pointOf(entry, design::Node::Ground).y) << placed.name;
            EXPECT_EQ(to.x, pointOf(entry, placed.from).x) << placed.name << " runs straight down";
        } else {
            EXPECT_EQ(to, pointOf(entry, placed.to)) << placed.name;
        }
        const bool vertical = arm.body.from.x == arm.body.to.x;
        EXPECT_EQ(vertical, placed.kind == "shunt") << placed.name;
    }
    // Every line from its node to its node, none of zero length.
    ASSERT_EQ(schematic.lines.size(), entry.lines.size());
    for (const PlacedLine& line : schematic.lines) {
        const design::LineEntry& placed = entry.lines[line.index];
        EXPECT_EQ(line.body.from, pointOf(entry, placed.from)) << placed.name;
        EXPECT_EQ(line.body.to, pointOf(entry, placed.to)) << placed.name;
        EXPECT_FALSE(line.body.from == line.body.to) << placed.name;
    }
    for (std::size_t i = 0; i < schematic.arms.size(); ++i) {
        for (std::size_t j = i + 1; j < schematic.arms.size(); ++j) {
            const Segment& a = schematic.arms[i].body;
            const Segment& b = schematic.arms[j].body;
            const Point ma{(a.from.x + a.to.x) / 2, (a.from.y + a.to.y) / 2};
            const Point mb{(b.from.x + b.to.x) / 2, (b.from.y + b.to.y) / 2};
            EXPECT_FALSE(ma == mb) << arms[i].name << " and " << arms[j].name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SchematicOf, ::testing::ValuesIn(placements()),
                         testing::CaseName());

} // namespace
} // namespace zelmarino::workbench
