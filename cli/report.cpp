#include "cli/report.h"

#include <cmath>
#include <utility>

namespace zelmarino::cli {

void checkTolerated(const design::PowerShare& power, const std::vector<double>& tolerated) {
    for (std::size_t i = 0; i < tolerated.size(); ++i) {
        if (power.resistorWatts.at(i) > 0.0 && std::isinf(tolerated.at(i))) {
            throw RatingOutOfRange{};
        }
    }
}

DesignReport makeReport(const Options& options, float lossDb) {
    DesignReport report{
        makeDesign(options.network, options.zin, options.zout, lossDb, options.shuntAt)};
    const Design& design = report.design;
    report.negative = negativeArms(design);
    std::vector<Resistor> built = resistorsOf(design);
    const double zin = design.zin;
    const double zout = design.zout;
    report.exact = design::checkPorts(built, zin, zout);
    if (!report.realisable()) {
        // No standard value, tolerance or rating means anything for a negative resistor.
        return report;
    }
    if (options.series) {
        std::vector<double> standard;
        for (Resistor& r : built) {
            r.ohms = design::nearestStandard(r.ohms, *options.series);
            standard.push_back(r.ohms);
        }
        report.standardOhms = std::move(standard);
        report.standard = design::checkPorts(built, zin, zout);
    }
    if (options.tolerance) {
        report.worst = design::worstCase(built, zin, zout, *options.tolerance);
    }
    if (options.availableWatts) {
        report.power = design::dissipation(built, zin, zout, *options.availableWatts);
        if (report.power && options.ratingWatts) {
            report.toleratedWatts = design::toleratedSourceWatts(
                *report.power, *options.availableWatts, *options.ratingWatts);
            checkTolerated(*report.power, *report.toleratedWatts);
        }
    }
    return report;
}

} // namespace zelmarino::cli
