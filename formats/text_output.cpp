#include "formats/text_output.h"

#include "design/placement.h"
#include "formats/fields.h"
#include "formats/line_fields.h"
#include "formats/output_common.h"
#include "formats/text_columns.h"
#include "text/number_text.h"

#include <algorithm>

namespace zelmarino::formats {

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

std::string percent(double fraction) {
    return significant(fraction * 100.0, 6) + " %";
}

std::string between(const Range& range, const Quantity& quantity) {
    return readingText(quantity, range.low) + " to " + readingText(quantity, range.high);
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

// An L's minimum loss is where its series arm reaches 0 Ω, matched at one port only; the
// pad that --db min designs is matched at both, at a higher loss.
std::string bothPortsMatched(const Options& options, const Design& design) {
    const bool isL = !design::entryOf(design.network).armsShuntAtInput.empty();
    if (!isL || design.zin == design.zout) {
        return {};
    }
    const auto pad =
        design::minimumLossPad(design.network, design.zin, design.zout, options.shuntAt);
    if (!pad) {
        return "An L matches both ports only with its shunt across the smaller impedance.\n";
    }
    return "Matched at both ports at " + decibels(*pad) + " dB, the pad --db min designs.\n";
}

void writeMinimum(std::string& out, const Options& options, const DesignReport& report) {
    const Design& design = report.design;
    out += "Minimum loss for " + entryText(design.zin) + " Ω and " + entryText(design.zout) +
           " Ω: " + decibels(design.minimumLossDb) + " dB";
    if (report.realisable()) {
        out += "; the design can be built.\n";
        out += bothPortsMatched(options, design);
        return;
    }
    const bool one = report.negative.size() == 1;
    std::string which;
    for (const std::size_t i : report.negative) {
        const Arm& arm = design.arms[i];
        which += (which.empty() ? "" : ", ") + std::string(arm.entry->name) + " (" +
                 std::string(arm.entry->roleText) + ")";
    }
    out += ". Below it " + which + (one ? " is" : " are") +
           " negative: the network cannot be built.\n";
    out += bothPortsMatched(options, design);
}

std::string worstHeading(const Options& options) {
    const std::string within = "within ±" + percent(*options.tolerance);
    return options.series ? std::string(seriesName(*options.series)) + " " + within
                          : "Exact " + within;
}

void writeArms(std::string& out, const Options& options, const DesignReport& report) {
    const bool window = report.design.shownInWindow;
    std::vector<Column> columns = {
        {"Arm", Align::Left}, {"Role", Align::Left}, {"Exact (Ω)", Align::Right}};
    if (window) {
        columns.push_back({"Window", Align::Right});
    }
    if (report.standardOhms) {
        columns.push_back({std::string(seriesName(*options.series)) + " (Ω)", Align::Right});
    }
    if (report.power) {
        for (const ArmPowerField* field : shownArmPowerFields(options)) {
            columns.push_back(
                {std::string(field->label) + " (" + std::string(field->quantity->symbol) + ")",
                 Align::Right});
        }
    }
    TextColumns table(std::move(columns));
    for (std::size_t i = 0; i < report.design.arms.size(); ++i) {
        const Arm& arm = report.design.arms[i];
        std::vector<std::string> cells = {std::string(arm.entry->name),
                                          std::string(arm.entry->roleText),
                                          ohms(arm.resistor.ohms)};
        if (window) {
            cells.push_back(windowText(report.design, arm));
        }
        if (report.standardOhms) {
            cells.push_back(standardReading((*report.standardOhms)[i]));
        }
        if (report.power) {
            for (const ArmPowerField* field : shownArmPowerFields(options)) {
                cells.push_back(readingText(*field->quantity, field->value(report, i)));
            }
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
    const bool worstColumn = options.tolerance && report.realisable();
    if (worstColumn) {
        columns.push_back({worstHeading(options), Align::Right});
    }
    TextColumns table(std::move(columns));
    for (const CheckField& field : checkFields) {
        const Quantity& quantity = *field.quantity;
        const auto checked = [&](const std::optional<PortCheck>& check) {
            return check ? readingText(quantity, field.value(*check)) : "-";
        };
        std::vector<std::string> cells = {fieldLabel(field)};
        cells.push_back(checked(report.exact));
        if (report.standardOhms) {
            cells.push_back(checked(report.standard));
        }
        if (worstColumn) {
            std::string worst = "-";
            if (report.worst) {
                worst = field.worstRange != nullptr
                            ? between(field.worstRange(*report.worst), quantity)
                            : readingText(quantity, field.worstValue(*report.worst));
            }
            cells.push_back(std::move(worst));
        }
        table.addRow(std::move(cells));
    }
    table.write(out);
}

// The lines of a network designed for a frequency, each a quarter wave at it: the impedance
// it was designed with and, drawn lumped, the inductance and capacitances standing for it.
void writeLines(std::string& out, const Design& design) {
    const std::vector<LineRow> rows = lineRows(design);
    if (rows.empty()) {
        return;
    }
    out +=
        "\nLines, a quarter wave at " + significant(design.lines.f0Hz, 6) + " Hz" +
        (design.lines.model == design::LineModel::Lumped ? ", each as its lumped equivalent" : "") +
        ":\n";
    for (const LineRow& line : rows) {
        out += std::string(line.name) + "  " + ohms(line.ohms) + " Ω";
        if (line.lumped) {
            out += ": " + significant(line.lumped->henries, 6) + " H in series, " +
                   significant(line.lumped->farads, 6) + " F to ground at each end";
        }
        out += '\n';
    }
}

void writeTextReport(std::string& out, const Options& options, const DesignReport& report) {
    const Design& design = report.design;
    writeTitle(out, design, ", loss " + entryText(design.lossDb) + " dB");
    writeMinimum(out, options, report);
    out += '\n';
    writeArms(out, options, report);
    writeLines(out, design);
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

std::vector<Column> tableColumns(const Options& options, const Design& first) {
    std::vector<Column> columns = {{"Loss", Align::Right}};
    for (const Arm& arm : first.arms) {
        columns.push_back({std::string(arm.entry->name), Align::Right});
    }
    for (const CheckField& field : checkFields) {
        if (!field.tableHeading.empty()) {
            columns.push_back({std::string(field.tableHeading), Align::Right});
        }
    }
    const std::string series = options.series ? std::string(seriesName(*options.series)) : "";
    if (options.series) {
        for (const Arm& arm : first.arms) {
            columns.push_back({series + " " + std::string(arm.entry->name), Align::Right});
        }
        for (const CheckField& field : checkFields) {
            if (!field.seriesHeading.empty()) {
                columns.push_back({series + " " + std::string(field.seriesHeading), Align::Right});
            }
        }
    }
    if (options.tolerance) {
        columns.push_back({"±" + percent(*options.tolerance) + " loss", Align::Right});
    }
    if (options.availableWatts) {
        for (const ArmPowerField* field : shownArmPowerFields(options)) {
            for (const Arm& arm : first.arms) {
                columns.push_back(
                    {std::string(field->tableLetter) + " " + std::string(arm.entry->name),
                     Align::Right});
            }
        }
        columns.push_back({"P load", Align::Right});
    }
    columns.push_back({"Note", Align::Left});
    return columns;
}

std::vector<std::string> tableCells(const Options& options, const DesignReport& report) {
    std::vector<std::string> cells = {entryText(report.design.lossDb)};
    for (const Arm& arm : report.design.arms) {
        cells.push_back(ohms(arm.resistor.ohms));
    }
    const auto check = [&](const std::optional<PortCheck>& c) {
        for (const CheckField& field : checkFields) {
            if (!field.tableHeading.empty()) {
                cells.push_back(c ? readingText(*field.quantity, field.value(*c)) : "-");
            }
        }
    };
    check(report.exact);
    const std::size_t arms = report.design.arms.size();
    if (options.series) {
        for (std::size_t i = 0; i < arms; ++i) {
            cells.push_back(report.standardOhms ? standardReading((*report.standardOhms)[i]) : "-");
        }
        check(report.standard);
    }
    if (options.tolerance) {
        cells.push_back(report.worst ? between(report.worst->lossDb, lossQuantity) : "-");
    }
    if (options.availableWatts) {
        for (const ArmPowerField* field : shownArmPowerFields(options)) {
            for (std::size_t i = 0; i < arms; ++i) {
                cells.push_back(
                    report.power ? readingText(*field->quantity, field->value(report, i)) : "-");
            }
        }
        cells.push_back(report.power ? watts(report.power->loadWatts) : "-");
    }
    cells.push_back(report.realisable() ? "" : negativeArmNames(report) + " negative");
    return cells;
}

class TextReportWriter final : public DesignWriter {
public:
    explicit TextReportWriter(const Options& options)
        : m_options(options) {}
    void row(std::string& out, const DesignReport& report) override {
        writeTextReport(out, m_options, report);
    }

private:
    const Options& m_options;
};

// A table's columns are as wide as their widest cell, so the designs are measured in a first
// pass and written in a second; neither keeps them.
class TextTableWriter final : public DesignWriter {
public:
    explicit TextTableWriter(const Options& options)
        : m_options(options) {}
    [[nodiscard]] bool measuresFirst() const override { return true; }
    void measure(const DesignReport& report) override {
        columnsFor(report.design).widen(tableCells(m_options, report));
    }
    void begin(std::string& out, const DesignReport& first) override {
        const Design& design = first.design;
        writeTitle(out, design, "; minimum loss " + decibels(design.minimumLossDb) + " dB");
        out += armRoles(design) + ".\nResistances in Ω, losses in dB, powers in W.\n\n";
        columnsFor(design).writeHeading(out);
    }
    void row(std::string& out, const DesignReport& report) override {
        columnsFor(report.design).writeRow(out, tableCells(m_options, report));
    }

private:
    TextColumns& columnsFor(const Design& first) {
        if (!m_columns) {
            m_columns.emplace(tableColumns(m_options, first));
        }
        return *m_columns;
    }

    const Options& m_options;
    std::optional<TextColumns> m_columns;
};

} // namespace

std::unique_ptr<DesignWriter> textReportWriter(const Options& options) {
    return std::make_unique<TextReportWriter>(options);
}

std::unique_ptr<DesignWriter> textTableWriter(const Options& options) {
    return std::make_unique<TextTableWriter>(options);
}

} // namespace zelmarino::formats
