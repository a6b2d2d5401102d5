#include "formats/touchstone_output.h"

#include "design/catalogue.h"
#include "design/s_parameters.h"
#include "formats/output_common.h"
#include "text/number_text.h"

namespace zelmarino::formats {

void writeTouchstone(std::string& out, const Options& options, const DesignReport& report) {
    const Design& design = report.design;
    const bool standard = report.standardOhms.has_value();
    std::vector<Resistor> built;
    for (const Arm& arm : design.arms) {
        built.push_back(arm.resistor);
    }
    if (standard) {
        for (std::size_t i = 0; i < built.size(); ++i) {
            built[i].ohms = (*report.standardOhms)[i];
        }
    }
    append(out, "! ", networkTitle(design.network), ": Zin ", entryText(design.zin), " ohm, Zout ",
           entryText(design.zout), " ohm, loss ", entryText(design.lossDb), " dB, ",
           standard ? seriesName(*options.series) : "exact", " values\n");
    for (std::size_t i = 0; i < built.size(); ++i) {
        append(out, "! ", design.arms[i].entry->name, " ", design.arms[i].entry->roleText, ": ",
               std::isinf(built[i].ohms) ? "open" : shortest(built[i].ohms) + " ohm", "\n");
    }
    if (const auto& check = standard ? report.standard : report.exact) {
        append(out, "! check: loss ", fixedPoint(check->lossDb, 4), " dB, input return loss ",
               fixedPoint(cappedReturnLoss(check->inputReturnLossDb), 2),
               " dB, output return loss ",
               fixedPoint(cappedReturnLoss(check->outputReturnLossDb), 2), " dB\n");
    }
    const auto s = design::sParameters(design::checkedCircuit(design.network, built, design.zout),
                                       design.zin, design.zout);
    if (!s) {
        out += "! the network cannot be analysed\n";
        return;
    }
    // Power waves with real references: [Reference] gives each port its own.
    const std::string zin = shortest(design.zin);
    append(out, "[Version] 2.0\n# Hz S RI R ", zin, "\n[Number of Ports] 2\n",
           "[Two-Port Data Order] 12_21\n[Number of Frequencies] ",
           std::to_string(options.frequenciesHz.size()), "\n[Reference] ", zin, " ",
           shortest(design.zout), "\n[Network Data]\n");
    const std::string row = " " + shortest(s->s11) + " 0 " + shortest(s->s12) + " 0 " +
                            shortest(s->s21) + " 0 " + shortest(s->s22) + " 0\n";
    for (const double hz : options.frequenciesHz) {
        append(out, shortest(hz), row);
    }
    out += "[End]\n";
}

} // namespace zelmarino::formats
