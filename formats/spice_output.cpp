#include "formats/spice_output.h"

#include "design/lines.h"
#include "formats/output_common.h"
#include "text/number_text.h"

#include <cctype>
#include <cmath>
#include <utility>

namespace zelmarino::formats {

namespace {

// Full precision, in plain numbers: SPICE would read a suffix such as "M" as milli.
std::string value(double ohms) {
    return shortest(ohms);
}

// One resistor as built, named `name`: R and its series L from `from` to an inner node, its
// capacitance from `from` to `to`. An element of 0 is left out, its nodes joined; a resistor
// of 0 (one of a pair) is a 0 V source, which SPICE takes for a wire.
void writePart(std::string& out, std::string_view name, std::string_view from, std::string_view to,
               double ohms, const design::Parasitics& parts) {
    const bool inductance = parts.seriesHenries > 0.0;
    const std::string inner = inductance ? spiceWord(name) + "_l" : std::string(to);
    if (ohms == 0.0) {
        append(out, "V", name, " ", from, " ", inner, " 0\n"); // a link of two
    } else {
        append(out, name, " ", from, " ", inner, " ", value(ohms), "\n");
    }
    if (inductance) {
        append(out, "L", name, " ", inner, " ", to, " ", value(parts.seriesHenries), "\n");
    }
    if (parts.shuntFarads > 0.0) {
        append(out, "C", name, " ", from, " ", to, " ", value(parts.shuntFarads), "\n");
    }
}

// An arm as built: its one resistor or its two, named after it with A and B, in series through
// a node of their own or side by side; then the via, once, to `to` if the arm touches the
// ground.
void writeModelled(std::string& out, const Arm& arm, std::string_view from, std::string_view to,
                   const design::Part& part, const design::PartModel& model) {
    const std::string name(arm.entry->name);
    const std::string lower = spiceWord(name);
    const bool via = model.viaHenries > 0.0 &&
                     (arm.resistor.from == Node::Ground || arm.resistor.to == Node::Ground);
    const std::string body = via ? lower + "_via" : std::string(to);
    if (!part.second) {
        writePart(out, name, from, body, part.ohms, model.parts);
    } else if (part.parallel) {
        writePart(out, name + "A", from, body, part.first, model.parts);
        writePart(out, name + "B", from, body, *part.second, model.parts);
    } else {
        const std::string junction = lower + "_mid";
        writePart(out, name + "A", from, junction, part.first, model.parts);
        writePart(out, name + "B", junction, body, *part.second, model.parts);
    }
    if (via) {
        append(out, "LVIA", name, " ", body, " ", to, " ", value(model.viaHenries), "\n");
    }
}

// A network's lines at its design frequency: ideal lines as T elements a quarter wave long,
// or each as its lumped C-L-C equivalent.
void writeLines(std::string& out, const Design& design, bool balanced) {
    const std::span<const design::LineEntry> entries = design::entryOf(design.network).lines;
    const design::LineDesign& lines = design.lines;
    for (std::size_t i = 0; i < entries.size() && i < lines.ohms.size(); ++i) {
        const design::LineEntry& line = entries[i];
        const std::string_view from = subcircuitNodeName(line.from, balanced);
        const std::string_view to = subcircuitNodeName(line.to, balanced);
        const std::string_view ref = subcircuitNodeName(Node::Ground, balanced);
        const double ohms = lines.ohms[i];
        if (lines.model == design::LineModel::Ideal) {
            append(out, "T", line.name, " ", from, " ", ref, " ", to, " ", ref, " Z0=", value(ohms),
                   " TD=", value(design::delayOf(90.0, lines.f0Hz)), "\n");
            continue;
        }
        const design::LumpedLine lumped = design::lumpedLineOf(ohms, lines.f0Hz);
        append(out, "C", line.name, "A ", from, " ", ref, " ", value(lumped.farads), "\n");
        append(out, "L", line.name, " ", from, " ", to, " ", value(lumped.henries), "\n");
        append(out, "C", line.name, "B ", to, " ", ref, " ", value(lumped.farads), "\n");
    }
}

} // namespace

std::string_view subcircuitNodeName(Node node, bool balanced) {
    switch (node) {
    case Node::Ground:
        // Not "gnd": ngspice takes that name for its global ground, which would tie the
        // reference pin to node 0 wherever the subcircuit is placed.
        return "ref";
    case Node::In:
        return balanced ? "inp" : "in";
    case Node::Middle:
        return balanced ? "midp" : "mid";
    case Node::Out:
        return balanced ? "outp" : "out";
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

std::string spiceWord(std::string_view text) {
    std::string word;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (c == '.') {
            word += 'p';
        } else if (c == '-') {
            word += '_';
        }
    }
    return word;
}

void writeSubcircuitBody(std::string& out, const std::string& name, const Design& design,
                         const std::optional<std::vector<design::Part>>& built,
                         const design::PartModel& model) {
    const design::NetworkEntry& entry = design::entryOf(design.network);
    const bool balanced = entry.balanced;
    append(out, ".subckt ", name, " ", entry.spicePorts, "\n");
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        const double ohms = built ? (*built)[i].ohms : arm.resistor.ohms;
        const std::string_view from = subcircuitNodeName(arm.resistor.from, balanced);
        const std::string_view to = subcircuitNodeName(arm.resistor.to, balanced);
        if (std::isinf(ohms)) {
            append(out, "* ", arm.entry->name, " open: left out\n");
        } else if (ohms == 0.0) {
            // A resistor of 0 ohms is not allowed; a 0 V source is an exact wire.
            append(out, "V", arm.entry->name, " ", from, " ", to, " 0\n");
        } else if (model.ideal()) {
            append(out, arm.entry->name, " ", from, " ", to, " ", value(ohms), "\n");
        } else {
            const design::Part& own = built ? (*built)[i] : arm.given;
            writeModelled(out, arm, from, to,
                          own.second ? own : design::Part{ohms, ohms, std::nullopt}, model);
        }
    }
    writeLines(out, design, balanced);
    if (entry.through) {
        append(out, "Vthrough ", subcircuitNodeName(Node::In, balanced), " ",
               subcircuitNodeName(Node::Out, balanced), " 0\n");
    }
    append(out, ".ends ", name, "\n");
}

namespace {

std::string subcircuitName(const Options& options, const Design& design) {
    std::string name = spiceWord(networkName(design.network)) + "_" +
                       spiceWord(entryText(design.zin)) + "_" + spiceWord(entryText(design.zout)) +
                       "_" + spiceWord(entryText(design.lossDb)) + "db";
    if (options.series) {
        name += "_" + spiceWord(seriesName(*options.series));
    }
    return name;
}

void writeSubcircuit(std::string& out, const Options& options, const DesignReport& report,
                     const std::string& name) {
    const Design& design = report.design;
    const bool standard = report.standardOhms.has_value();
    const std::string series = standard ? std::string(seriesName(*options.series)) : "";
    append(out, "* ", networkTitle(design.network), ": Zin ", entryText(design.zin), " ohm, Zout ",
           entryText(design.zout), " ohm, loss ", entryText(design.lossDb), " dB, ",
           report.optimised ? "optimised " + series
           : standard       ? series
                            : std::string("exact"),
           " values\n* ", armRoles(design), "\n");
    if (design.portsExchanged) {
        out += "* in faces Zin as asked; the window shows this T with Zin and Zout exchanged\n";
    }
    const std::vector<design::Part> built = design::builtParts(report);
    if (report.optimised) {
        // With ideal parts an arm of two is written as one resistor of their total: name both.
        out += "* optimised:";
        for (std::size_t i = 0; i < design.arms.size(); ++i) {
            append(out, " ", design.arms[i].entry->name, " ", partText(built.at(i)));
        }
        out += '\n';
    }
    const std::optional<design::PortCheck> check = report.optimised ? report.optimised->check
                                                   : standard       ? report.standard
                                                                    : report.exact;
    if (check) {
        append(out, "* check: input ", significant(check->inputOhms, 6), " ohm, output ",
               significant(check->outputOhms, 6), " ohm, loss ", fixedPoint(check->lossDb, 4),
               " dB\n");
    }
    if (!report.realisable()) {
        append(out, "* cannot be built: ", negativeArmNames(report), " negative\n");
    }
    const design::PartModel& model = options.partModel;
    if (!model.ideal()) {
        append(out, "* parts: ", partsText(model), "\n");
    }
    writeSubcircuitBody(out, name, design, built, model);
}

class SpiceWriter final : public DesignWriter {
public:
    explicit SpiceWriter(const Options& options)
        : m_options(options) {}
    void row(std::string& out, const DesignReport& report) override {
        std::string name = subcircuitName(m_options, report.design);
        std::string unique = name;
        if (name == m_previous) {
            // Losses closer than the seven digits shown still need names of their own. The
            // losses of a table only grow, so a name can only repeat the one before it.
            unique += "_" + std::to_string(m_count + 1);
        }
        if (m_count > 0) {
            out += '\n';
        }
        writeSubcircuit(out, m_options, report, unique);
        m_previous = std::move(name);
        ++m_count;
    }

private:
    const Options& m_options;
    std::string m_previous;
    std::size_t m_count = 0;
};

} // namespace

std::unique_ptr<DesignWriter> spiceWriter(const Options& options) {
    return std::make_unique<SpiceWriter>(options);
}

} // namespace zelmarino::formats
