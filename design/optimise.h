// The best standard values, not just the nearest: a search among each arm's neighbouring
// values of a series, and if wished two of them in series or in parallel, for the set whose
// loss is closest to the one asked for while both ports keep a given return loss.
#pragma once

#include "design/circuit.h"
#include "design/e_series.h"
#include "design/two_port.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

// One arm made of one standard value, or of two in series or in parallel.
struct Part {
    double ohms; // what the arm is as a whole
    double first;
    std::optional<double> second;
    bool parallel = false;
};

struct StandardSet {
    std::vector<Part> arms; // in the order of the network's resistors
    PortCheck check;
};

struct SearchGoal {
    double lossDb;
    double minReturnLossDb;
    ESeries series;
    bool pairs;
    // The ports the floor applies to: an L matches only one of them by design.
    bool floorAtInput = true;
    bool floorAtOutput = true;
    // For each arm, the arm whose value it must share (itself when free): the two halves of a
    // balanced arm stay equal. Empty when every arm is free; an arm past its end is free.
    std::vector<std::size_t> sameAs{};
    // The resistors after the first `arms` are the circuit's own, not arms (the wire of a
    // pad that passes straight through, a splitter's other output terminated): they stay as
    // they are and the set found lists the arms alone.
    std::size_t arms = SIZE_MAX;
};

// The candidates the search tries for an arm of `ohms`: a few standard values on either side
// and, with pairs, the few two-value combinations that come closest to it.
[[nodiscard]] std::vector<Part> armCandidates(double ohms, ESeries series, bool pairs);

// The set closest in loss to the goal with the return losses at least its minimum, a tie going
// to fewer resistors; nothing when no candidate set keeps the return loss.
[[nodiscard]] std::optional<StandardSet>
optimiseStandard(std::span<const Resistor> exact, double zin, double zout, const SearchGoal& goal);

} // namespace zelmarino::design
