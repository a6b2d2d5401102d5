// One design as the command line reports it: the design library's evaluation, with the names
// the output formats use for its parts.
#pragma once

#include "design/evaluation.h"

#include <string>
#include <string_view>

namespace zelmarino::formats {

using Network = design::Network;
using design::Node;
using design::PortCheck;
using design::PowerShare;
using design::Range;
using design::RatingOutOfRange;
using design::Resistor;
using design::WorstCase;
using Arm = design::ReportArm;
using Design = design::Design;
using DesignReport = design::Report;

[[nodiscard]] inline std::string_view networkName(Network network) {
    return design::entryOf(network).command;
}
[[nodiscard]] inline std::string_view networkTitle(Network network) {
    return design::entryOf(network).title;
}

// As the window shows the arm, with "Ω" for the ohm sign; empty where the window has no such
// network (the balanced and bridged pads, an L with its shunt across the input).
[[nodiscard]] std::string windowText(const Design& design, const Arm& arm);

} // namespace zelmarino::formats
