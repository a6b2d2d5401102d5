// Laid out by hand rather than through a json library: a table of a million designs spends
// most of its time here, and a tree per design dumped by nlohmann-json took 4.3 times the
// instructions of the whole run, and printed its own number texts.
#include "formats/json_output.h"

#include "formats/fields.h"
#include "formats/json_text.h"
#include "formats/line_fields.h"
#include "formats/output_common.h"
#include "text/number_text.h"

#include <cmath>

namespace zelmarino::formats {

namespace {

using json::appendCheck;
using json::appendText;
using json::figure;
using json::number;

std::string decibels(double value) {
    return std::isfinite(value) ? fixedPoint(value, 6) : "null";
}

void appendWorst(std::string& out, const std::optional<WorstCase>& worst) {
    if (!worst) {
        out += "null";
        return;
    }
    const char* separator = "{";
    for (const CheckField* field : worstCaseOrder()) {
        const Quantity& quantity = *field->quantity;
        append(out, separator, "\"", fieldKey(*field), "\": ");
        if (field->worstRange != nullptr) {
            const Range range = field->worstRange(*worst);
            append(out, "[", figure(quantity, range.low), ", ", figure(quantity, range.high), "]");
        } else {
            const double value = field->worstValue(*worst);
            out += figure(quantity, value);
            json::appendCapped(out, *field, value);
        }
        separator = ", ";
    }
    out += '}';
}

// A network of lines only: ",\n "lines": [...]" after its arms, each with its ends and, drawn
// lumped, its series inductance and the capacitance to ground at each end.
void appendLines(std::string& out, const Design& design) {
    const std::vector<LineRow> rows = lineRows(design);
    if (rows.empty()) {
        return;
    }
    out += ",\n      \"lines\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LineRow& line = rows[i];
        out += "        {\"name\": ";
        appendText(out, line.name);
        out += ", \"from\": ";
        appendText(out, line.from);
        out += ", \"to\": ";
        appendText(out, line.to);
        append(out, ", \"ohm\": ", number(line.ohms), ", \"f0_hz\": ", number(line.f0Hz, 12),
               ", \"model\": ");
        appendText(out, lineModelName(line.model));
        append(out, ", \"series_h\": ", line.lumped ? number(line.lumped->henries) : "null",
               ", \"shunt_f\": ", line.lumped ? number(line.lumped->farads) : "null",
               i + 1 < rows.size() ? "},\n" : "}\n");
    }
    out += "      ]";
}

void appendDesign(std::string& out, const Options& options, const DesignReport& report) {
    const Design& design = report.design;
    append(out, "    {\n      \"loss_db\": ", entryText(design.lossDb),
           ",\n      \"realisable\": ", report.realisable() ? "true" : "false",
           ",\n      \"negative_arms\": [");
    for (std::size_t i = 0; i < report.negative.size(); ++i) {
        out += i > 0 ? ", " : "";
        appendText(out, design.arms[report.negative[i]].entry->name);
    }
    out += "],\n      \"arms\": [\n";
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        out += "        {\"name\": ";
        appendText(out, arm.entry->name);
        out += ", \"role\": ";
        appendText(out, arm.entry->roleText);
        append(out, ", \"ohm\": ", number(arm.resistor.ohms), ", \"window\": ");
        if (design.shownInWindow) {
            appendText(out, windowText(design, arm));
        } else {
            out += "null";
        }
        append(out, ", \"standard_ohm\": ",
               !report.standardOhms                    ? "null"
               : std::isinf((*report.standardOhms)[i]) ? "\"open\""
                                                       : number((*report.standardOhms)[i]));
        for (const ArmPowerField* field : shownArmPowerFields(options)) {
            append(out, ", \"", field->key, "_", field->quantity->key, "\": ",
                   report.power ? figure(*field->quantity, field->value(report, i)) : "null");
        }
        out += i + 1 < design.arms.size() ? "},\n" : "}\n";
    }
    out += "      ]";
    appendLines(out, design);
    out += ",\n      \"exact\": ";
    appendCheck(out, report.exact);
    out += ",\n      \"standard\": ";
    appendCheck(out, report.standard);
    out += ",\n      \"worst_case\": ";
    appendWorst(out, report.worst);
    append(out, ",\n      \"load_w\": ", report.power ? number(report.power->loadWatts, 6) : "null",
           "\n    }");
}

void writeHead(std::string& out, const Options& options, const Design& first) {
    out += "{\n  \"network\": ";
    appendText(out, networkName(first.network));
    append(out, ",\n  \"zin_ohm\": ", entryText(first.zin),
           ",\n  \"zout_ohm\": ", entryText(first.zout),
           ",\n  \"ports_exchanged\": ", first.portsExchanged ? "true" : "false",
           ",\n  \"minimum_loss_db\": ", decibels(first.minimumLossDb), ",\n  \"series\": ");
    if (options.series) {
        appendText(out, seriesName(*options.series));
    } else {
        out += "null";
    }
    append(out, ",\n  \"tolerance_percent\": ",
           options.tolerance ? number(*options.tolerance * 100.0, 6) : "null",
           ",\n  \"available_w\": ",
           options.availableWatts ? number(*options.availableWatts, 6) : "null",
           ",\n  \"designs\": [\n");
}

class JsonWriter final : public DesignWriter {
public:
    explicit JsonWriter(const Options& options)
        : m_options(options) {}
    void begin(std::string& out, const DesignReport& first) override {
        writeHead(out, m_options, first.design);
    }
    void row(std::string& out, const DesignReport& report) override {
        if (m_started) {
            out += ",\n";
        }
        m_started = true;
        appendDesign(out, m_options, report);
    }
    void end(std::string& out) override { out += "\n  ]\n}\n"; }

private:
    const Options& m_options;
    bool m_started = false;
};

} // namespace

std::unique_ptr<DesignWriter> jsonWriter(const Options& options) {
    return std::make_unique<JsonWriter>(options);
}

} // namespace zelmarino::formats
