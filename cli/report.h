// Everything printed about one design: the exact network and its check, and, as asked for,
// its standard-value version with that one's check, the tolerance worst case and the power
// each resistor dissipates, all found by the design library. The output formats only lay
// this out.
#pragma once

#include "cli/attenuator.h"
#include "cli/options.h"
#include "design/two_port.h"
#include "design/worst_case.h"

#include <optional>
#include <vector>

namespace zelmarino::cli {

using design::PortCheck;
using design::PowerShare;
using design::Range;
using design::WorstCase;

struct DesignReport {
    Design design;
    std::vector<std::size_t> negative{}; // indices into design.arms; empty when it can be built
    std::optional<PortCheck> exact{};
    // Only for a network that can be built; the same order as the arms.
    std::optional<std::vector<double>> standardOhms{};
    std::optional<PortCheck> standard{};
    std::optional<WorstCase> worst{};  // around the standard values if any, else the exact ones
    std::optional<PowerShare> power{}; // of the network that would be built
    // With a rating: the most power the source may make available before each arm, in the
    // arms' order, dissipates it.
    std::optional<std::vector<double>> toleratedWatts{};

    [[nodiscard]] bool realisable() const { return negative.empty(); }
};

// A rating so large that the source power an arm tolerates is beyond any double.
struct RatingOutOfRange {};

// Throws RatingOutOfRange where an arm that dissipates some power tolerates an infinite
// source power: an overflow, not an answer. One that dissipates none tolerates any power.
void checkTolerated(const design::PowerShare& power, const std::vector<double>& tolerated);

// Throws design::FloatError where the window's arithmetic fails, RatingOutOfRange where the
// tolerated power would overflow.
[[nodiscard]] DesignReport makeReport(const Options& options, float lossDb);

} // namespace zelmarino::cli
