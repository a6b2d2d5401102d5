// The worst case of a network whose resistors each lie anywhere within a tolerance. The port
// resistances and the loss of a resistive ladder are monotonic in each resistance, so their
// extremes, and with them the worst return losses, lie among the corners where each resistor
// is at its low or its high limit.
#pragma once

#include "design/circuit.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zelmarino::design {

struct Range {
    double low;
    double high;
};

struct WorstCase {
    Range lossDb;
    Range inputOhms;
    Range outputOhms;
    double inputReturnLossDb; // the lowest over all corners
    double outputReturnLossDb;
};

// `tolerance` is a fraction (0.01 for 1 %). Only the first `parts` resistors have it: those
// after them are the circuit's own (a wire, a termination). Nothing when some corner cannot
// be solved.
[[nodiscard]] std::optional<WorstCase> worstCase(std::span<const Resistor> network, double zin,
                                                 double zout, double tolerance,
                                                 std::size_t parts = SIZE_MAX);

} // namespace zelmarino::design
