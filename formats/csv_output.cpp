#include "formats/csv_output.h"

#include "formats/csv_line.h"
#include "formats/fields.h"
#include "formats/line_fields.h"
#include "formats/output_common.h"
#include "text/number_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zelmarino::formats {

namespace {

std::string ohms(double value) {
    return significant(value, 9);
}
std::string decibels(double value) {
    return fixedPoint(value, 6);
}
std::string watts(double value) {
    return significant(value, 6);
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return result;
}

void addWorstHeadings(Line& line) {
    line.add("tolerance_percent");
    for (const CheckField* field : worstCaseOrder()) {
        if (field->worstRange == nullptr) {
            std::string name = "worst_";
            name += fieldKey(*field);
            line.add(name);
            continue;
        }
        for (const char* end : {"_low_", "_high_"}) {
            std::string name = "worst_";
            name += field->key;
            name += end;
            name += field->quantity->key;
            line.add(name);
        }
    }
}

void addWorst(Line& line, const std::optional<WorstCase>& worst) {
    for (const CheckField* field : worstCaseOrder()) {
        const Quantity& quantity = *field->quantity;
        if (field->worstRange == nullptr) {
            line.add(worst ? machineText(quantity, field->worstValue(*worst)) : "");
            continue;
        }
        line.add(worst ? machineText(quantity, field->worstRange(*worst).low) : "");
        line.add(worst ? machineText(quantity, field->worstRange(*worst).high) : "");
    }
}

// A network of lines has columns for each: "tl1_from", "tl1_ohm", …; drawn ideal, its
// inductance and capacitance are empty.
void addLineHeadings(Line& line, const Design& first) {
    for (const LineRow& row : lineRows(first)) {
        const std::string name = lower(row.name);
        for (const char* key :
             {"_from", "_to", "_ohm", "_f0_hz", "_model", "_series_h", "_shunt_f"}) {
            line.add(name + key);
        }
    }
}

void addLines(Line& line, const Design& design) {
    for (const LineRow& row : lineRows(design)) {
        line.add(row.from);
        line.add(row.to);
        line.add(ohms(row.ohms));
        line.add(significant(row.f0Hz, 12));
        line.add(lineModelName(row.model));
        line.add(row.lumped ? significant(row.lumped->henries, 9) : "");
        line.add(row.lumped ? significant(row.lumped->farads, 9) : "");
    }
}

void writeHeader(std::string& out, const Options& options, const Design& first) {
    const std::string series = options.series ? lower(seriesName(*options.series)) : "";
    beginCsv(out, csvDialect(options));
    Line line(out, csvDialect(options));
    for (const char* name : {"network", "zin_ohm", "zout_ohm", "ports_exchanged", "shunt_at",
                             "loss_db", "minimum_loss_db", "realisable", "negative_arms"}) {
        line.add(name);
    }
    for (const Arm& arm : first.arms) {
        addArmPlaceHeadings(line, arm);
        const std::string name = lower(arm.entry->name);
        line.add(name + "_ohm");
        line.add(name + "_window");
    }
    addLineHeadings(line, first);
    addCsvCheckHeadings(line, "exact_");
    if (options.series) {
        for (const Arm& arm : first.arms) {
            line.add(series + "_" + lower(arm.entry->name) + "_ohm");
        }
        addCsvCheckHeadings(line, series + "_");
    }
    if (options.tolerance) {
        addWorstHeadings(line);
    }
    if (options.availableWatts) {
        line.add("available_w");
        for (const ArmPowerField* field : shownArmPowerFields(options)) {
            for (const Arm& arm : first.arms) {
                line.add(lower(arm.entry->name) + "_" + std::string(field->columnKey));
            }
        }
        line.add("load_w");
    }
    line.finish();
}

void writeRow(std::string& out, const Options& options, const DesignReport& report) {
    Line line(out, csvDialect(options));
    const Design& design = report.design;
    line.add(networkName(design.network));
    line.add(entryText(design.zin));
    line.add(entryText(design.zout));
    line.add(design.portsExchanged ? "yes" : "no");
    line.add(shuntAtText(options));
    line.add(entryText(design.lossDb));
    line.add(decibels(design.minimumLossDb));
    line.add(report.realisable() ? "yes" : "no");
    std::string negative;
    for (const std::size_t i : report.negative) {
        if (!negative.empty()) {
            negative += ' ';
        }
        negative += design.arms[i].entry->name;
    }
    line.add(negative);
    for (const Arm& arm : design.arms) {
        addArmPlace(line, arm);
        line.add(ohms(arm.resistor.ohms));
        line.add(windowText(design, arm));
    }
    addLines(line, design);
    addCsvCheck(line, report.exact);
    const std::size_t arms = design.arms.size();
    if (options.series) {
        for (std::size_t i = 0; i < arms; ++i) {
            line.add(report.standardOhms ? standardMachine((*report.standardOhms)[i]) : "");
        }
        addCsvCheck(line, report.standard);
    }
    if (options.tolerance) {
        line.add(significant(*options.tolerance * 100.0, 6));
        addWorst(line, report.worst);
    }
    if (options.availableWatts) {
        line.add(watts(*options.availableWatts));
        for (const ArmPowerField* field : shownArmPowerFields(options)) {
            for (std::size_t i = 0; i < arms; ++i) {
                line.add(report.power ? machineText(*field->quantity, field->value(report, i))
                                      : "");
            }
        }
        line.add(report.power ? watts(report.power->loadWatts) : "");
    }
    line.finish();
}

class CsvWriter final : public DesignWriter {
public:
    explicit CsvWriter(const Options& options)
        : m_options(options) {}
    void begin(std::string& out, const DesignReport& first) override {
        writeHeader(out, m_options, first.design);
    }
    void row(std::string& out, const DesignReport& report) override {
        writeRow(out, m_options, report);
    }

private:
    const Options& m_options;
};

} // namespace

std::unique_ptr<DesignWriter> csvWriter(const Options& options) {
    return std::make_unique<CsvWriter>(options);
}

} // namespace zelmarino::formats
