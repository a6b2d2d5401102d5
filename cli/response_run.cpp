#include "cli/response_run.h"

#include "design/catalogue.h"
#include "design/response.h"
#include "formats/touchstone_output.h"

namespace zelmarino::cli {

using namespace formats;

namespace {

std::string valuesOf(const Options& options, const DesignReport& report) {
    if (options.given) {
        return "given";
    }
    if (!report.standardOhms || !options.series) {
        return "exact";
    }
    const std::string series(seriesName(*options.series));
    return report.optimised ? "optimised " + series : series;
}

// The usable bandwidth of the design built of each package, with the via asked for; the
// parts of --parasitics, or ideal resistors over a via alone, first and chosen.
std::vector<BandwidthRow> bandwidthRows(const Options& options, const DesignReport& report) {
    const design::PartModel& asked = options.partModel;
    const design::BandwidthLimits limits{.flatnessDb = options.flatnessDb,
                                         .minReturnLossDb = options.minReturnLossDb};
    const design::Matched matched = design::entryOf(report.design.network).matched;
    const auto bandwidthOf = [&](const design::PartModel& model) {
        return design::usableBandwidth(design::builtNetworkOf(report, model), matched, limits);
    };
    std::vector<BandwidthRow> rows;
    if (!options.parasiticsText.empty()) {
        rows.push_back({"own", "your parts", asked.parts, true, bandwidthOf(asked)});
    } else if (asked.packageName.empty() && options.modelGiven()) {
        rows.push_back({"ideal", "ideal resistors", {}, true, bandwidthOf(asked)});
    }
    for (const design::Package& package : design::packages()) {
        const design::PartModel model{.parts = package.parasitics,
                                      .viaHenries = asked.viaHenries,
                                      .packageName = package.name};
        rows.push_back({std::string(package.name), std::string(package.description),
                        package.parasitics, package.name == asked.packageName, bandwidthOf(model)});
    }
    return rows;
}

} // namespace

bool hasResponse(const Options& options) {
    if (options.table) {
        return false;
    }
    return options.format == OutputFormat::Touchstone || !options.frequenciesHz.empty() ||
           options.bandwidthOnly || (options.modelGiven() && options.format == OutputFormat::Text);
}

Response responseOf(const Options& options, const DesignReport& report) {
    Response response;
    response.values = valuesOf(options, report);
    // A network of lines is what it is at its design frequency: it has no DC value to keep.
    const bool bandwidth =
        (options.bandwidthOnly || (options.modelGiven() && options.format == OutputFormat::Text)) &&
        !design::hasLines(report.design.network);
    // A negative resistor has no response worth the name; the report says it cannot be built.
    if (bandwidth && report.realisable()) {
        response.bandwidths = bandwidthRows(options, report);
    }
    if (options.modelGiven() && report.realisable()) {
        response.builtAtDesignFrequency =
            design::builtCheckAtDesignFrequency(report, options.partModel);
    }
    if (!options.frequenciesHz.empty()) {
        design::BuiltNetwork built = design::builtNetworkOf(report, options.partModel);
        // Touchstone 1.1 has one reference for every port: the sweep is found against Zin.
        if (options.format == OutputFormat::Touchstone &&
            options.touchstone == TouchstoneVersion::V1_1) {
            for (design::AcPort& port : built.ports) {
                port.referenceOhms = built.ports.front().referenceOhms;
            }
        }
        response.sweep = design::sweep(built, options.frequenciesHz);
    }
    return response;
}

void writeWithResponse(std::string& out, const Options& options, const DesignReport& report,
                       const std::function<void(std::string&)>& writeReport) {
    const Response response = responseOf(options, report);
    switch (options.format) {
    case OutputFormat::Csv:
        writeResponseCsv(out, options, report, response);
        return;
    case OutputFormat::Json:
        writeResponseJson(out, options, report, response);
        return;
    case OutputFormat::Touchstone:
        writeTouchstone(out, options, report, response);
        return;
    case OutputFormat::Text:
    case OutputFormat::Spice: // refused with a response when read
        break;
    }
    if (options.bandwidthOnly) {
        if (response.bandwidths.empty()) {
            out += "Usable bandwidth: none, the network cannot be built.\n";
        } else {
            writeBandwidthAlone(out, options, report, response.bandwidths);
        }
        return;
    }
    writeReport(out);
    if (options.modelGiven() && !report.realisable()) {
        out += "\nThe usable bandwidth is left out: a negative resistor has none.\n";
    }
    if (!response.bandwidths.empty()) {
        out += '\n';
        writeBandwidthText(out, options, report, response.bandwidths);
    }
    if (response.builtAtDesignFrequency) {
        out += '\n';
        writeBuiltCheckText(out, options, response);
    }
    if (!response.sweep.empty()) {
        out += '\n';
        writeSweepText(out, response);
    }
}

} // namespace zelmarino::cli
