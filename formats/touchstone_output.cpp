#include "formats/touchstone_output.h"

#include "formats/line_fields.h"
#include "formats/output_common.h"
#include "text/number_text.h"

#include <cmath>

namespace zelmarino::formats {

namespace {

// Full precision; a negative zero, which an ideal resistor's imaginary part may be, as 0.
std::string value(double number) {
    return shortest(number == 0.0 ? 0.0 : number);
}

void appendEntry(std::string& out, const design::Complex& s) {
    append(out, " ", value(s.real()), " ", value(s.imag()));
}

// One frequency's row. A two-port in the order of its version (2.0: 12_21, as declared;
// 1.1: S11 S21 S12 S22); more ports row by row, a line for each.
void appendRow(std::string& out, const Options& options, const design::ResponsePoint& point) {
    const design::PortMatrix& s = *point.s;
    out += frequencyMachine(point.hz);
    if (s.size() == 2) {
        const bool old = options.touchstone == TouchstoneVersion::V1_1;
        appendEntry(out, s(0, 0));
        appendEntry(out, old ? s(1, 0) : s(0, 1));
        appendEntry(out, old ? s(0, 1) : s(1, 0));
        appendEntry(out, s(1, 1));
        out += '\n';
        return;
    }
    for (std::size_t row = 0; row < s.size(); ++row) {
        if (row > 0) {
            out += ' ';
        }
        for (std::size_t column = 0; column < s.size(); ++column) {
            appendEntry(out, s(row, column));
        }
        out += '\n';
    }
}

void writePartsComment(std::string& out, const Options& options) {
    const design::PartModel& model = options.partModel;
    if (model.ideal()) {
        out += "! parts: ideal resistors\n";
        return;
    }
    append(out, "! parts: ", partsText(model), "\n");
}

} // namespace

void writeTouchstone(std::string& out, const Options& options, const DesignReport& report,
                     const Response& response) {
    const Design& design = report.design;
    const bool standard = report.standardOhms.has_value();
    append(out, "! ", networkTitle(design.network), ": Zin ", entryText(design.zin), " ohm, Zout ",
           entryText(design.zout), " ohm, loss ", entryText(design.lossDb), " dB, ",
           response.values, " values\n");
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const double ohms = standard ? (*report.standardOhms)[i] : design.arms[i].resistor.ohms;
        append(out, "! ", design.arms[i].entry->name, " ", design.arms[i].entry->roleText, ": ",
               std::isinf(ohms) ? "open" : shortest(ohms) + " ohm", "\n");
    }
    writePartsComment(out, options);
    for (const LineRow& line : lineRows(design)) {
        append(out, "! ", line.name, ": ", shortest(line.ohms), " ohm, a quarter wave at ",
               shortest(line.f0Hz), " Hz, ", lineModelName(line.model), "\n");
    }
    if (const auto& check = standard ? report.standard : report.exact) {
        // A network of lines is checked at its design frequency, the others at DC.
        const bool lines = design::hasLines(design.network);
        append(out, "! check at ", lines ? shortest(design.lines.f0Hz) + " Hz" : std::string("DC"),
               ": loss ", fixedPoint(check->lossDb, 4), " dB, input return loss ",
               fixedPoint(cappedReturnLoss(check->inputReturnLossDb), 2),
               " dB, output return loss ",
               fixedPoint(cappedReturnLoss(check->outputReturnLossDb), 2), " dB\n");
    }
    for (const design::ResponsePoint& point : response.sweep) {
        if (!point.s) {
            append(out, "! the network cannot be analysed at ", value(point.hz), " Hz\n");
            return;
        }
    }
    const std::string zin = shortest(design.zin);
    const std::size_t ports = response.sweep.front().s->size();
    if (options.touchstone == TouchstoneVersion::V1_1) {
        append(out, "! Touchstone 1.1: every port referred to Zin, ", zin,
               " ohm (the S-parameters renormalised from Zin and Zout)\n# Hz S RI R ", zin, "\n");
        for (const design::ResponsePoint& point : response.sweep) {
            appendRow(out, options, point);
        }
        return;
    }
    // Power waves with real references: [Reference] gives each port its own.
    append(out, "[Version] 2.0\n# Hz S RI R ", zin, "\n[Number of Ports] ", std::to_string(ports),
           "\n");
    if (ports == 2) {
        out += "[Two-Port Data Order] 12_21\n";
    }
    append(out, "[Number of Frequencies] ", std::to_string(response.sweep.size()), "\n[Reference] ",
           zin);
    for (std::size_t port = 1; port < ports; ++port) {
        append(out, " ", shortest(design.zout));
    }
    out += "\n[Network Data]\n";
    for (const design::ResponsePoint& point : response.sweep) {
        appendRow(out, options, point);
    }
    out += "[End]\n";
}

} // namespace zelmarino::formats
