#include "cli/json_output.h"

#include "cli/number_text.h"
#include "cli/output_common.h"

#include <cmath>

namespace zelmarino::cli {

namespace {

std::string number(double value, int digits = 9) {
    return std::isfinite(value) ? significant(value, digits) : "null";
}
std::string decibels(double value) {
    return std::isfinite(value) ? fixedPoint(value, 6) : "null";
}

std::string text(std::string_view value) {
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view hex = "0123456789abcdef";
            quoted += "\\u00";
            quoted += hex[static_cast<unsigned char>(c) >> 4U];
            quoted += hex[static_cast<unsigned char>(c) & 0xFU];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

template <typename T, typename Show> std::string orNull(const std::optional<T>& value, Show show) {
    return value ? show(*value) : "null";
}

std::string check(const PortCheck& c) {
    return "{\"input_ohm\": " + number(c.inputOhms) + ", \"output_ohm\": " + number(c.outputOhms) +
           ", \"input_return_loss_db\": " + decibels(cappedReturnLoss(c.inputReturnLossDb)) +
           ", \"output_return_loss_db\": " + decibels(cappedReturnLoss(c.outputReturnLossDb)) +
           ", \"loss_db\": " + decibels(c.lossDb) + "}";
}

std::string pair(const Range& range, std::string (*show)(double)) {
    return "[" + show(range.low) + ", " + show(range.high) + "]";
}

std::string ohmsPair(const Range& range) {
    return "[" + number(range.low) + ", " + number(range.high) + "]";
}

std::string worst(const WorstCase& w) {
    return "{\"loss_db\": " + pair(w.lossDb, decibels) +
           ", \"input_ohm\": " + ohmsPair(w.inputOhms) +
           ", \"output_ohm\": " + ohmsPair(w.outputOhms) +
           ", \"input_return_loss_db\": " + decibels(cappedReturnLoss(w.inputReturnLossDb)) +
           ", \"output_return_loss_db\": " + decibels(cappedReturnLoss(w.outputReturnLossDb)) + "}";
}

void writeDesign(std::string& out, const DesignReport& report) {
    const Design& design = report.design;
    out += "    {\n      \"loss_db\": " + entryText(design.lossDb) + ",\n";
    out += std::string("      \"realisable\": ") + (report.realisable() ? "true" : "false") + ",\n";
    out += "      \"negative_arms\": [";
    for (std::size_t i = 0; i < report.negative.size(); ++i) {
        out += (i > 0 ? ", " : "") + text(design.arms[report.negative[i]].name);
    }
    out += "],\n      \"arms\": [\n";
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        out += "        {\"name\": " + text(arm.name) + ", \"role\": " + text(arm.role) +
               ", \"ohm\": " + number(arm.resistor.ohms) + ", \"window\": " + text(arm.windowText) +
               ", \"standard_ohm\": " +
               (report.standardOhms ? number((*report.standardOhms)[i]) : "null") +
               ", \"dissipation_w\": " +
               (report.power ? number(report.power->resistorWatts[i], 6) : "null") + "}" +
               (i + 1 < design.arms.size() ? "," : "") + "\n";
    }
    out += "      ],\n";
    out += "      \"exact\": " + orNull(report.exact, check) + ",\n";
    out += "      \"standard\": " + orNull(report.standard, check) + ",\n";
    out += "      \"worst_case\": " + orNull(report.worst, worst) + ",\n";
    out += "      \"load_w\": " +
           orNull(report.power, [](const PowerShare& p) { return number(p.loadWatts, 6); }) + "\n";
    out += "    }";
}

} // namespace

void writeJson(std::string& out, const Options& options, std::span<const DesignReport> reports) {
    if (reports.empty()) {
        return;
    }
    const Design& first = reports.front().design;
    out += "{\n  \"network\": " + text(networkName(first.network)) + ",\n";
    out += "  \"zin_ohm\": " + entryText(first.zin) + ",\n";
    out += "  \"zout_ohm\": " + entryText(first.zout) + ",\n";
    out +=
        std::string("  \"ports_exchanged\": ") + (first.portsExchanged ? "true" : "false") + ",\n";
    out += "  \"minimum_loss_db\": " + decibels(first.minimumLossDb) + ",\n";
    out +=
        "  \"series\": " + orNull(options.series, [](ESeries s) { return text(seriesName(s)); }) +
        ",\n";
    out += "  \"tolerance_percent\": " +
           orNull(options.tolerance, [](double t) { return number(t * 100.0, 6); }) + ",\n";
    out += "  \"available_w\": " +
           orNull(options.availableWatts, [](double w) { return number(w, 6); }) + ",\n";
    out += "  \"designs\": [\n";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        writeDesign(out, reports[i]);
        out += i + 1 < reports.size() ? ",\n" : "\n";
    }
    out += "  ]\n}\n";
}

} // namespace zelmarino::cli
