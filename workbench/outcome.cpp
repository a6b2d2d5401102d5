#include "workbench/outcome.h"

#include <limits>

namespace zelmarino::workbench {

namespace {

double decibelsAt(const design::ResponsePoint& point, std::size_t row, std::size_t column) {
    if (!point.s) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return design::decibelsOf((*point.s)(row, column));
}

} // namespace

Curves responseCurves(const design::Report& report, const FormReading& reading) {
    const design::BuiltNetwork built = design::builtNetworkOf(report, reading.model);
    Curves curves;
    curves.hz =
        design::frequencyGrid(reading.sweep.fromHz, reading.sweep.toHz, reading.sweep.points, true);
    const std::vector<design::ResponsePoint> points = design::sweep(built, curves.hz);
    curves.s21Db.reserve(points.size());
    curves.s11Db.reserve(points.size());
    curves.s22Db.reserve(points.size());
    for (const design::ResponsePoint& point : points) {
        curves.s21Db.push_back(decibelsAt(point, 1, 0));
        curves.s11Db.push_back(decibelsAt(point, 0, 0));
        curves.s22Db.push_back(decibelsAt(point, 1, 1));
    }
    return curves;
}

Outcome evaluateForm(const FormFields& fields) {
    Outcome outcome{readForm(fields), std::nullopt, std::nullopt, std::nullopt, {}};
    FormReading& reading = outcome.reading;
    if (!reading.ok()) {
        return outcome;
    }
    try {
        if (fields.mode == Mode::Design) {
            outcome.report = design::evaluateDesign(reading.request, reading.lossDb);
        } else {
            outcome.report = design::evaluateGiven(reading.request, reading.given);
            if (!outcome.report) {
                outcome.problem = "these resistors make a circuit that cannot be solved";
                return outcome;
            }
        }
    } catch (const design::RatingOutOfRange&) {
        reading.errors.push_back(
            {Field::Rating, 0, "out of range (the tolerated source power would overflow)"});
        return outcome;
    }
    if (!outcome.report->realisable()) {
        outcome.problem = "the loss is below the minimum for these impedances: some arm is "
                          "negative";
        return outcome;
    }
    outcome.curves = responseCurves(*outcome.report, reading);
    const design::BuiltNetwork built = design::builtNetworkOf(*outcome.report, reading.model);
    outcome.bandwidth = design::usableBandwidth(
        built, design::entryOf(reading.request.network).matched,
        {reading.flatnessDb, reading.request.minReturnLossDb, reading.sweep.toHz});
    return outcome;
}

} // namespace zelmarino::workbench
