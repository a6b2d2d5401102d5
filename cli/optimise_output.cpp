#include "cli/optimise_output.h"

#include "cli/fields.h"
#include "cli/number_text.h"
#include "cli/output_common.h"
#include "cli/report.h"
#include "cli/text_columns.h"
#include "design/optimise.h"

#include <string>
#include <vector>

namespace zelmarino::cli {

namespace {

std::string partText(const design::Part& part) {
    if (!part.second) {
        return significant(part.first, 6);
    }
    return significant(part.first, 6) + (part.parallel ? "||" : "+") + significant(*part.second, 6);
}

std::string fieldHeading(const CheckField& field) {
    const std::string_view symbol = field.quantity->symbol;
    return std::string(field.label) + (symbol.empty() ? "" : " (" + std::string(symbol) + ")");
}

} // namespace

RunResult runOptimise(const Options& options) {
    const float loss = options.lossesDb.front();
    const DesignReport report = makeReport(options, loss);
    const Design& design = report.design;
    if (!report.realisable() || !report.standardOhms || !report.standard) {
        return {exitBelowMinimum, "",
                "zelmarino-calc: --optimise: the loss is below the minimum of " +
                    fixedPoint(design.minimumLossDb, 4) + " dB, nothing to optimise\n"};
    }
    const std::string series(seriesName(*options.series));
    const auto best = design::optimiseStandard(
        resistorsOf(design), design.zin, design.zout,
        {static_cast<double>(loss), options.minReturnLossDb, *options.series, options.pairs});
    RunResult result;
    std::string& out = result.out;
    out += std::string(networkTitle(design.network)) + ": Zin " + entryText(design.zin) +
           " Ω, Zout " + entryText(design.zout) + " Ω, loss " + entryText(loss) + " dB\n";
    out += series + " values optimised" + (options.pairs ? ", pairs allowed" : "") +
           ", both return losses at least " + significant(options.minReturnLossDb, 6) + " dB.\n\n";
    TextColumns arms({{"Arm", Align::Left},
                      {"Role", Align::Left},
                      {"Exact (Ω)", Align::Right},
                      {"Nearest " + series + " (Ω)", Align::Right},
                      {"Optimised " + series + " (Ω)", Align::Right}});
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        arms.addRow({std::string(arm.name), std::string(arm.role),
                     readingText(ohmsQuantity, arm.resistor.ohms),
                     readingText(ohmsQuantity, report.standardOhms->at(i)),
                     best ? partText(best->arms.at(i)) : "none"});
    }
    arms.write(out);
    out += "\n";
    TextColumns checks({{"Check", Align::Left},
                        {"Nearest " + series, Align::Right},
                        {"Optimised " + series, Align::Right}});
    for (const CheckField& field : checkFields) {
        checks.addRow({fieldHeading(field),
                       readingText(*field.quantity, field.value(*report.standard)),
                       best ? readingText(*field.quantity, field.value(best->check)) : ""});
    }
    checks.write(out);
    if (!best) {
        result.exitStatus = exitBelowMinimum;
        result.err = "zelmarino-calc: --optimise: no set of neighbouring " + series +
                     " values keeps both return losses at " +
                     significant(options.minReturnLossDb, 6) + " dB\n";
    }
    return result;
}

} // namespace zelmarino::cli
