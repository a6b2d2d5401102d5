#include "cli/text_output.h"

#include "cli/number_text.h"
#include "cli/output_common.h"
#include "cli/text_columns.h"

namespace zelmarino::cli {

namespace {

std::string ohms(double value) {
    return significant(value, 6);
}
std::string decibels(double value) {
    return fixedPoint(value, 4);
}
std::string watts(double value) {
    return significant(value, 4);
}

std::string returnLoss(double db) {
    return db >= returnLossCeilingDb ? ">" + fixedPoint(returnLossCeilingDb, 0) : fixedPoint(db, 2);
}

std::string percent(double fraction) {
    return significant(fraction * 100.0, 6) + " %";
}

std::string between(const Range& range, std::string (*text)(double)) {
    return text(range.low) + " to " + text(range.high);
}

// "Pi attenuator: Zin 75 Ω, Zout 50 Ω" and, where the T exchanged them, why.
void writeTitle(std::string& out, const Design& design, const std::string& tail) {
    out += std::string(networkTitle(design.network)) + ": Zin " + entryText(design.zin) +
           " Ω, Zout " + entryText(design.zout) + " Ω" + tail + "\n";
    if (design.portsExchanged) {
        out += "Wired with the input facing Zin; the window shows this T with Zin and Zout "
               "exchanged, and its texts in the Window column.\n";
    }
}

void writeMinimum(std::string& out, const DesignReport& report) {
    const Design& design = report.design;
    out += "Minimum loss for " + entryText(design.zin) + " Ω and " + entryText(design.zout) +
           " Ω: " + decibels(design.minimumLossDb) + " dB";
    if (report.realisable()) {
        out += "; the design can be built.\n";
        return;
    }
    const bool one = report.negative.size() == 1;
    std::string which;
    for (const std::size_t i : report.negative) {
        const Arm& arm = design.arms[i];
        which += (which.empty() ? "" : ", ") + std::string(arm.name) + " (" +
                 std::string(arm.role) + ")";
    }
    out += ". Below it " + which + (one ? " is" : " are") +
           " negative: the network cannot be built.\n";
}

std::string worstHeading(const Options& options) {
    const std::string within = "within ±" + percent(*options.tolerance);
    return options.series ? std::string(seriesName(*options.series)) + " " + within
                          : "Exact " + within;
}

void writeArms(std::string& out, const Options& options, const DesignReport& report) {
    std::vector<Column> columns = {{"Arm", Align::Left},
                                   {"Role", Align::Left},
                                   {"Exact (Ω)", Align::Right},
                                   {"Window", Align::Right}};
    if (report.standardOhms) {
        columns.push_back({std::string(seriesName(*options.series)) + " (Ω)", Align::Right});
    }
    if (report.power) {
        columns.push_back({"Dissipation (W)", Align::Right});
    }
    TextColumns table(std::move(columns));
    for (std::size_t i = 0; i < report.design.arms.size(); ++i) {
        const Arm& arm = report.design.arms[i];
        std::vector<std::string> cells = {std::string(arm.name), std::string(arm.role),
                                          ohms(arm.resistor.ohms), arm.windowText};
        if (report.standardOhms) {
            cells.push_back(ohms((*report.standardOhms)[i]));
        }
        if (report.power) {
            cells.push_back(watts(report.power->resistorWatts[i]));
        }
        table.addRow(std::move(cells));
    }
    table.write(out);
}

void writeChecks(std::string& out, const Options& options, const DesignReport& report) {
    std::vector<Column> columns = {{"Check", Align::Left}, {"Exact", Align::Right}};
    if (report.standardOhms) {
        columns.push_back({std::string(seriesName(*options.series)), Align::Right});
    }
    if (options.tolerance && report.realisable()) {
        columns.push_back({worstHeading(options), Align::Right});
    }
    TextColumns table(std::move(columns));
    const auto row = [&](std::string label, auto exactly, auto worst) {
        std::vector<std::string> cells = {std::move(label)};
        cells.push_back(report.exact ? exactly(*report.exact) : "-");
        if (report.standardOhms) {
            cells.push_back(report.standard ? exactly(*report.standard) : "-");
        }
        if (options.tolerance && report.realisable()) {
            cells.push_back(report.worst ? worst(*report.worst) : "-");
        }
        table.addRow(std::move(cells));
    };
    row(
        "Input resistance (Ω)", [](const PortCheck& c) { return ohms(c.inputOhms); },
        [](const WorstCase& w) { return between(w.inputOhms, ohms); });
    row(
        "Output resistance (Ω)", [](const PortCheck& c) { return ohms(c.outputOhms); },
        [](const WorstCase& w) { return between(w.outputOhms, ohms); });
    row(
        "Input return loss (dB)",
        [](const PortCheck& c) { return returnLoss(c.inputReturnLossDb); },
        [](const WorstCase& w) { return returnLoss(w.inputReturnLossDb); });
    row(
        "Output return loss (dB)",
        [](const PortCheck& c) { return returnLoss(c.outputReturnLossDb); },
        [](const WorstCase& w) { return returnLoss(w.outputReturnLossDb); });
    row(
        "Loss (dB)", [](const PortCheck& c) { return decibels(c.lossDb); },
        [](const WorstCase& w) { return between(w.lossDb, decibels); });
    table.write(out);
}

} // namespace

void writeTextReport(std::string& out, const Options& options, const DesignReport& report) {
    const Design& design = report.design;
    writeTitle(out, design, ", loss " + entryText(design.lossDb) + " dB");
    writeMinimum(out, report);
    out += '\n';
    writeArms(out, options, report);
    out += '\n';
    writeChecks(out, options, report);
    if (report.power) {
        out += "\nWith " + watts(*options.availableWatts) +
               " W available from the source, the load receives " + watts(report.power->loadWatts) +
               " W" +
               (report.standardOhms ? " (" + std::string(seriesName(*options.series)) + " values)"
                                    : "") +
               ".\n";
    }
    if (!report.realisable() && (options.series || options.tolerance || options.availableWatts)) {
        out +=
            "\nStandard values, tolerances and power are left out: a negative resistor has none.\n";
    }
}

void writeTextTable(std::string& out, const Options& options,
                    std::span<const DesignReport> reports) {
    if (reports.empty()) {
        return;
    }
    const Design& first = reports.front().design;
    writeTitle(out, first, "; minimum loss " + decibels(first.minimumLossDb) + " dB");
    out += armRoles(first) + ".\nResistances in Ω, losses in dB, powers in W.\n\n";

    std::vector<Column> columns = {{"Loss", Align::Right}};
    for (const Arm& arm : first.arms) {
        columns.push_back({std::string(arm.name), Align::Right});
    }
    columns.push_back({"In", Align::Right});
    columns.push_back({"Out", Align::Right});
    columns.push_back({"Check", Align::Right});
    const std::string series = options.series ? std::string(seriesName(*options.series)) : "";
    if (options.series) {
        for (const Arm& arm : first.arms) {
            columns.push_back({series + " " + std::string(arm.name), Align::Right});
        }
        columns.push_back({series + " in", Align::Right});
        columns.push_back({series + " out", Align::Right});
        columns.push_back({series + " loss", Align::Right});
    }
    if (options.tolerance) {
        columns.push_back({"±" + percent(*options.tolerance) + " loss", Align::Right});
    }
    if (options.availableWatts) {
        for (const Arm& arm : first.arms) {
            columns.push_back({"P " + std::string(arm.name), Align::Right});
        }
        columns.push_back({"P load", Align::Right});
    }
    columns.push_back({"Note", Align::Left});

    TextColumns table(std::move(columns));
    for (const DesignReport& report : reports) {
        std::vector<std::string> cells = {entryText(report.design.lossDb)};
        for (const Arm& arm : report.design.arms) {
            cells.push_back(ohms(arm.resistor.ohms));
        }
        const auto check = [&](const std::optional<PortCheck>& c) {
            cells.push_back(c ? ohms(c->inputOhms) : "-");
            cells.push_back(c ? ohms(c->outputOhms) : "-");
            cells.push_back(c ? decibels(c->lossDb) : "-");
        };
        check(report.exact);
        const std::size_t arms = report.design.arms.size();
        if (options.series) {
            for (std::size_t i = 0; i < arms; ++i) {
                cells.push_back(report.standardOhms ? ohms((*report.standardOhms)[i]) : "-");
            }
            check(report.standard);
        }
        if (options.tolerance) {
            cells.push_back(report.worst ? between(report.worst->lossDb, decibels) : "-");
        }
        if (options.availableWatts) {
            for (std::size_t i = 0; i < arms; ++i) {
                cells.push_back(report.power ? watts(report.power->resistorWatts[i]) : "-");
            }
            cells.push_back(report.power ? watts(report.power->loadWatts) : "-");
        }
        cells.push_back(report.realisable() ? "" : negativeArmNames(report) + " negative");
        table.addRow(std::move(cells));
    }
    table.write(out);
}

} // namespace zelmarino::cli
