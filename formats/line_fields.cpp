#include "formats/line_fields.h"

#include "design/catalogue.h"
#include "formats/spice_output.h"

namespace zelmarino::formats {

std::vector<LineRow> lineRows(const Design& design) {
    const auto entries = design::entryOf(design.network).lines;
    const design::LineDesign& lines = design.lines;
    // The networks with lines are all unbalanced.
    const auto node = [](Node n) { return subcircuitNodeName(n, false); };
    std::vector<LineRow> rows;
    for (std::size_t i = 0; i < entries.size() && i < lines.ohms.size(); ++i) {
        const double ohms = lines.ohms[i];
        rows.push_back({entries[i].name, node(entries[i].from), node(entries[i].to), ohms,
                        lines.f0Hz, lines.model,
                        lines.model == design::LineModel::Lumped
                            ? std::optional(design::lumpedLineOf(ohms, lines.f0Hz))
                            : std::nullopt});
    }
    return rows;
}

std::string_view lineModelName(design::LineModel model) {
    return model == design::LineModel::Lumped ? "lumped" : "ideal";
}

} // namespace zelmarino::formats
