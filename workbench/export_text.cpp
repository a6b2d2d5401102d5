#include "workbench/export_text.h"

#include "cli/response_run.h"
#include "formats/check_output.h"
#include "formats/csv_output.h"
#include "formats/json_output.h"
#include "formats/optimise_output.h"
#include "formats/spice_output.h"
#include "formats/touchstone_output.h"

#include <memory>

namespace zelmarino::workbench {

namespace {

using formats::OutputFormat;

OutputFormat outputFormat(ExportFormat format) {
    switch (format) {
    case ExportFormat::Spice:
        return OutputFormat::Spice;
    case ExportFormat::Touchstone:
        return OutputFormat::Touchstone;
    case ExportFormat::Csv:
        return OutputFormat::Csv;
    case ExportFormat::Json:
        break;
    }
    return OutputFormat::Json;
}

formats::Options optionsOf(ExportFormat format, const FormFields& fields, const Outcome& outcome) {
    formats::Options options;
    static_cast<design::Request&>(options) = outcome.reading.request;
    options.format = outputFormat(format);
    options.lossesDb = {outcome.reading.lossDb};
    options.lossText = fields.loss;
    options.powerText = fields.power;
    options.ratingText = fields.rating;
    options.given = fields.mode == Mode::Check;
    // The parts as the response has them, so that SPICE and Touchstone carry their parasitics.
    options.partModel = outcome.reading.model;
    if (!outcome.reading.model.ideal()) {
        options.packageText = outcome.reading.model.packageName;
        options.parasiticsText = outcome.reading.model.packageName.empty() ? fields.parasitics : "";
        options.viaText = fields.viaInductance;
    }
    options.flatnessDb = outcome.reading.flatnessDb;
    if (outcome.curves) {
        options.frequenciesHz = outcome.curves->hz;
    }
    return options;
}

std::string checkText(ExportFormat format, const FormFields& fields, const Outcome& outcome,
                      formats::Options options) {
    const formats::CheckOptions check{std::move(options), outcome.reading.given, fields.arms};
    std::string out;
    switch (format) {
    case ExportFormat::Csv:
        formats::writeCheckCsv(out, check, *outcome.report);
        break;
    case ExportFormat::Json:
        formats::writeCheckJson(out, check, *outcome.report);
        break;
    case ExportFormat::Spice:
        formats::writeCheckSpice(out, check, *outcome.report);
        break;
    case ExportFormat::Touchstone:
        formats::writeTouchstone(out, check.common, *outcome.report,
                                 cli::responseOf(check.common, *outcome.report));
        break;
    }
    return out;
}

} // namespace

std::string_view extensionOf(ExportFormat format) {
    switch (format) {
    case ExportFormat::Spice:
        return "cir";
    case ExportFormat::Touchstone:
        return "s2p";
    case ExportFormat::Csv:
        return "csv";
    case ExportFormat::Json:
        break;
    }
    return "json";
}

std::optional<std::string> exportText(ExportFormat format, const FormFields& fields,
                                      const Outcome& outcome) {
    if (!outcome.report || !outcome.reading.ok()) {
        return std::nullopt;
    }
    formats::Options options = optionsOf(format, fields, outcome);
    if (fields.mode == Mode::Check) {
        return checkText(format, fields, outcome, std::move(options));
    }
    std::string out;
    if (options.optimise && (format == ExportFormat::Csv || format == ExportFormat::Json)) {
        formats::writeOptimised(out, options, outcome.reading.lossDb, *outcome.report);
        return out;
    }
    if (format == ExportFormat::Touchstone) {
        formats::writeTouchstone(out, options, *outcome.report,
                                 cli::responseOf(options, *outcome.report));
        return out;
    }
    std::unique_ptr<formats::DesignWriter> writer;
    if (format == ExportFormat::Spice) {
        writer = formats::spiceWriter(options);
    } else if (format == ExportFormat::Csv) {
        writer = formats::csvWriter(options);
    } else {
        writer = formats::jsonWriter(options);
    }
    writer->begin(out, *outcome.report);
    writer->row(out, *outcome.report);
    writer->end(out);
    return out;
}

} // namespace zelmarino::workbench
