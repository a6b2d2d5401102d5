#include "formats/optimise_output.h"

#include "formats/csv_line.h"
#include "formats/fields.h"
#include "formats/json_text.h"
#include "formats/output_common.h"
#include "formats/text_columns.h"
#include "text/number_text.h"

#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::formats {

namespace {

// What the search found for one design: the nearest set of the series is in the report.
struct Optimised {
    const Options& options;
    float lossDb;
    const DesignReport& report;
    const std::optional<design::StandardSet>& best;
};

// The nearest set as parts of one value each, so that both sets are written alike.
std::vector<design::Part> nearestParts(const DesignReport& report) {
    std::vector<design::Part> parts;
    for (const double ohms : *report.standardOhms) {
        parts.push_back({ohms, ohms, std::nullopt});
    }
    return parts;
}

} // namespace

std::string_view floorKept(Network network) {
    switch (design::entryOf(network).matched) {
    case design::Matched::Input:
        return "the input return loss";
    case design::Matched::Output:
        return "the output return loss";
    case design::Matched::Neither:
        return "no return loss (neither port is matched)";
    case design::Matched::Both:
        break;
    }
    return "both return losses";
}

namespace {

void writeText(std::string& out, const Optimised& found) {
    const Options& options = found.options;
    const Design& design = found.report.design;
    const std::string series(seriesName(*options.series));
    out += std::string(networkTitle(design.network)) + ": Zin " + entryText(design.zin) +
           " Ω, Zout " + entryText(design.zout) + " Ω, loss " + entryText(found.lossDb) + " dB\n";
    out += series + " values optimised" + (options.pairs ? ", pairs allowed" : "") + ", " +
           std::string(floorKept(design.network)) + " at least " +
           significant(options.minReturnLossDb, 6) + " dB.\n\n";
    TextColumns arms({{"Arm", Align::Left},
                      {"Role", Align::Left},
                      {"Exact (Ω)", Align::Right},
                      {"Nearest " + series + " (Ω)", Align::Right},
                      {"Optimised " + series + " (Ω)", Align::Right}});
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        arms.addRow({std::string(arm.entry->name), std::string(arm.entry->roleText),
                     readingText(ohmsQuantity, arm.resistor.ohms),
                     standardReading(found.report.standardOhms->at(i)),
                     found.best ? partText(found.best->arms.at(i)) : "none"});
    }
    arms.write(out);
    out += "\n";
    TextColumns checks({{"Check", Align::Left},
                        {"Nearest " + series, Align::Right},
                        {"Optimised " + series, Align::Right}});
    for (const CheckField& field : checkFields) {
        checks.addRow(
            {fieldLabel(field), readingText(*field.quantity, field.value(*found.report.standard)),
             found.best ? readingText(*field.quantity, field.value(found.best->check)) : ""});
    }
    checks.write(out);
}

// One row per set, named in its first column; the optimised row is empty past its name when
// the search found nothing. The check's keys say so, as loss_db is the loss asked for.
void writeCsv(std::string& out, const Optimised& found) {
    const Options& options = found.options;
    const Design& design = found.report.design;
    beginCsv(out, csvDialect(options));
    Line heading(out, csvDialect(options));
    for (const char* name : {"set", "network", "zin_ohm", "zout_ohm", "shunt_at", "loss_db",
                             "series", "pairs", "min_return_loss_db"}) {
        heading.add(name);
    }
    for (const Arm& arm : design.arms) {
        addArmPlaceHeadings(heading, arm);
        heading.add(armKey(arm.entry->name) + "_values");
        heading.add(armKey(arm.entry->name) + "_ohm");
    }
    addCsvCheckHeadings(heading, "check_");
    heading.finish();
    const auto row = [&](std::string_view set, const std::vector<design::Part>* parts,
                         const PortCheck* check) {
        Line line(out, csvDialect(options));
        line.add(set);
        line.add(networkName(design.network));
        line.add(entryText(design.zin));
        line.add(entryText(design.zout));
        line.add(shuntAtText(options));
        line.add(entryText(found.lossDb));
        line.add(seriesName(*options.series));
        line.add(options.pairs ? "yes" : "no");
        line.add(significant(options.minReturnLossDb, 6));
        for (std::size_t i = 0; i < design.arms.size(); ++i) {
            addArmPlace(line, design.arms[i]);
            line.add(parts != nullptr ? partText(parts->at(i)) : "");
            line.add(parts != nullptr ? standardMachine(parts->at(i).ohms) : "");
        }
        addCsvCheck(line, check != nullptr ? std::optional(*check) : std::nullopt);
        line.finish();
    };
    const std::vector<design::Part> nearest = nearestParts(found.report);
    row("nearest", &nearest, &*found.report.standard);
    row("optimised", found.best ? &found.best->arms : nullptr,
        found.best ? &found.best->check : nullptr);
}

void appendSet(std::string& out, const Design& design, const std::vector<design::Part>& parts,
               const PortCheck& check) {
    out += "{\n    \"arms\": [\n";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        out += "      {\"name\": ";
        json::appendText(out, design.arms[i].entry->name);
        out += ", \"values\": ";
        json::appendText(out, partText(parts[i]));
        append(out, ", \"ohm\": ", json::number(parts[i].ohms),
               i + 1 < parts.size() ? "},\n" : "}\n");
    }
    out += "    ],\n    \"check\": ";
    json::appendCheck(out, check);
    out += "\n  }";
}

// The exact arms once, then each set's values and check; "optimised" is null when the search
// found nothing.
void writeJson(std::string& out, const Optimised& found) {
    const Options& options = found.options;
    const Design& design = found.report.design;
    out += "{\n  \"network\": ";
    json::appendText(out, networkName(design.network));
    append(out, ",\n  \"zin_ohm\": ", entryText(design.zin),
           ",\n  \"zout_ohm\": ", entryText(design.zout),
           ",\n  \"loss_db\": ", entryText(found.lossDb), ",\n  \"series\": ");
    json::appendText(out, seriesName(*options.series));
    append(out, ",\n  \"pairs\": ", options.pairs ? "true" : "false",
           ",\n  \"min_return_loss_db\": ", json::number(options.minReturnLossDb, 6),
           ",\n  \"arms\": [\n");
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        out += "    {\"name\": ";
        json::appendText(out, arm.entry->name);
        out += ", \"role\": ";
        json::appendText(out, arm.entry->roleText);
        append(out, ", \"ohm\": ", json::number(arm.resistor.ohms),
               i + 1 < design.arms.size() ? "},\n" : "}\n");
    }
    out += "  ],\n  \"nearest\": ";
    appendSet(out, design, nearestParts(found.report), *found.report.standard);
    out += ",\n  \"optimised\": ";
    if (found.best) {
        appendSet(out, design, found.best->arms, found.best->check);
    } else {
        out += "null";
    }
    out += "\n}\n";
}

} // namespace

void writeOptimised(std::string& out, const Options& options, float lossDb,
                    const DesignReport& report) {
    const Optimised found{options, lossDb, report, report.optimised};
    switch (options.format) {
    case OutputFormat::Csv:
        writeCsv(out, found);
        break;
    case OutputFormat::Json:
        writeJson(out, found);
        break;
    case OutputFormat::Text:
    case OutputFormat::Spice:      // refused when read
    case OutputFormat::Touchstone: // refused when read
        writeText(out, found);
        break;
    }
}

} // namespace zelmarino::formats
