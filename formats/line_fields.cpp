#include "formats/line_fields.h"

#include "design/catalogue.h"

namespace zelmarino::formats {

namespace {

// The networks with lines are all unbalanced.
std::string_view nodeText(Node node) {
    switch (node) {
    case Node::Ground:
        return "ref";
    case Node::In:
        return "in";
    case Node::Middle:
        return "mid";
    case Node::Out:
        return "out";
    case Node::InN:
        return "inn";
    case Node::MiddleN:
        return "midn";
    case Node::Out2:
        return "out2";
    case Node::OutN:
        break;
    }
    return "outn";
}

} // namespace

std::vector<LineRow> lineRows(const Design& design) {
    const auto entries = design::entryOf(design.network).lines;
    const design::LineDesign& lines = design.lines;
    std::vector<LineRow> rows;
    for (std::size_t i = 0; i < entries.size() && i < lines.ohms.size(); ++i) {
        const double ohms = lines.ohms[i];
        rows.push_back({entries[i].name, nodeText(entries[i].from), nodeText(entries[i].to), ohms,
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
