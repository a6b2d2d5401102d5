// A network's lines as every format lists them: each line's name and ends from the catalogue,
// the impedance it was designed with at its frequency and, drawn lumped, the inductance and
// capacitances standing for it.
#pragma once

#include "design/lines.h"
#include "formats/report.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zelmarino::formats {

struct LineRow {
    std::string_view name; // "TL1"
    std::string_view from; // the nodes it joins, as the subcircuit names them: "in", "mid"
    std::string_view to;
    double ohms;
    double f0Hz; // the frequency it is a quarter wave at
    design::LineModel model;
    std::optional<design::LumpedLine> lumped; // with the lumped model
};

// In the catalogue's order; none for a network without lines.
[[nodiscard]] std::vector<LineRow> lineRows(const Design& design);

// "ideal" or "lumped", as --line takes them.
[[nodiscard]] std::string_view lineModelName(design::LineModel model);

} // namespace zelmarino::formats
