#include "cli/run.h"

#include "cli/check_command.h"
#include "cli/option_values.h"
#include "cli/options.h"
#include "cli/response_run.h"
#include "design/checked.h"
#include "formats/csv_output.h"
#include "formats/design_writer.h"
#include "formats/json_output.h"
#include "formats/optimise_output.h"
#include "formats/output_common.h"
#include "formats/report.h"
#include "formats/spice_output.h"
#include "formats/text_output.h"
#include "text/number_text.h"
#include "version.h"

#include <memory>
#include <optional>
#include <variant>

namespace zelmarino::cli {

using namespace formats;

namespace {

// One design, its nearest set of the series and the set the search found, each with its
// check. Exit status 1 when the design cannot be built or no set keeps the return loss.
RunResult runOptimise(const Options& options) {
    const float loss = options.lossesDb.front();
    const DesignReport report = design::evaluateDesign(options, loss);
    if (!report.realisable() || !report.standardOhms || !report.standard) {
        return {exitBelowMinimum, "",
                "zelmarino-calc: --optimise: the loss is below the minimum of " +
                    fixedPoint(report.design.minimumLossDb, 4) + " dB, nothing to optimise\n"};
    }
    RunResult result;
    // The loss searched for: a splitter's own, whatever was asked.
    const float searched = report.design.lossDb;
    if (hasResponse(options)) {
        writeWithResponse(result.out, options, report, [&](std::string& out) {
            writeOptimised(out, options, searched, report);
        });
    } else {
        writeOptimised(result.out, options, searched, report);
    }
    if (!report.optimised) {
        result.exitStatus = exitBelowMinimum;
        result.err = "zelmarino-calc: --optimise: no set of neighbouring " +
                     std::string(seriesName(*options.series)) + " values keeps " +
                     std::string(floorKept(options.network)) + " at " +
                     significant(options.minReturnLossDb, 6) + " dB\n";
    }
    return result;
}

constexpr std::string_view programName = "zelmarino-calc";

// The output is handed on in pieces of about this size, and at once after the first design,
// so that a reader sees the table begin without waiting for its end.
constexpr std::size_t pieceBytes = std::size_t{64} << 10U;

int refuse(std::string& err, const std::string& message) {
    err = std::string(programName) + ": " + message + "\n";
    return exitRefused;
}

std::string calculationFails(float loss, const design::FloatError& error) {
    return "--db '" + entryText(loss) + "': the calculation fails (" +
           std::string(design::failureName(error.failure)) + ")";
}

std::string ratingOutOfRange(const Options& options) {
    return "--rating " + quoted(options.ratingText) +
           ": out of range (the tolerated source power would overflow)";
}

// The first loss whose calculation fails, and why. It fails, if anywhere, at an end of the
// range (K rounds to 1 at the smallest losses, the arithmetic overflows at the largest), so
// the ends are tried first and the whole range is searched in order only when one fails.
std::optional<std::string> firstFailure(const Options& options) {
    const auto fails = [&](float loss) {
        try {
            (void)design::evaluateDesign(options, loss);
            return false;
        } catch (const design::FloatError&) {
            return true;
        } catch (const RatingOutOfRange&) {
            return true;
        }
    };
    if (!fails(options.lossesDb.front()) && !fails(options.lossesDb.back())) {
        return std::nullopt;
    }
    for (const float loss : options.lossesDb) {
        try {
            (void)design::evaluateDesign(options, loss);
        } catch (const design::FloatError& error) {
            return calculationFails(loss, error);
        } catch (const RatingOutOfRange&) {
            return ratingOutOfRange(options);
        }
    }
    return std::nullopt;
}

std::unique_ptr<DesignWriter> writerFor(const Options& options) {
    switch (options.format) {
    case OutputFormat::Text:
        return options.table ? textTableWriter(options) : textReportWriter(options);
    case OutputFormat::Csv:
        return csvWriter(options);
    case OutputFormat::Json:
        return jsonWriter(options);
    case OutputFormat::Touchstone: // written with its response, never through a writer
    case OutputFormat::Spice:
        break;
    }
    return spiceWriter(options);
}

// The standard-error line for designs below the minimum loss; the text report says so itself,
// and the other formats keep their output clean.
std::string belowMinimum(const Options& options, const DesignReport& first, std::size_t below,
                         std::size_t designs) {
    const std::string minimum = fixedPoint(first.design.minimumLossDb, 4) + " dB";
    const std::string what = options.table
                                 ? "designs below the minimum loss of " + minimum + ": " +
                                       std::to_string(below) + " of " + std::to_string(designs)
                                 : "the loss is below the minimum of " + minimum + ": " +
                                       negativeArmNames(first) + " negative";
    return std::string(programName) + ": " + what + "\n";
}

// One design with its response; exit status 1 when it cannot be built.
int designWithResponse(const Options& options, OutputSink& out, std::string& err) {
    const DesignReport report = design::evaluateDesign(options, options.lossesDb.front());
    std::string written;
    writeWithResponse(written, options, report,
                      [&](std::string& text) { textReportWriter(options)->row(text, report); });
    out.write(written);
    if (report.realisable()) {
        return 0;
    }
    if (options.format != OutputFormat::Text) {
        err = belowMinimum(options, report, 1, 1);
    }
    return exitBelowMinimum;
}

int design(const Options& options, OutputSink& out, std::string& err) {
    if (const std::optional<std::string> failure = firstFailure(options)) {
        return refuse(err, *failure);
    }
    if (hasResponse(options)) {
        return designWithResponse(options, out, err);
    }
    const std::unique_ptr<DesignWriter> writer = writerFor(options);
    float loss = 0.0F; // the one in hand, for a failure between the ends of the range
    try {
        if (writer->measuresFirst()) {
            for (const float each : options.lossesDb) {
                loss = each;
                writer->measure(design::evaluateDesign(options, loss));
            }
        }
        std::string piece;
        std::optional<DesignReport> first;
        std::size_t below = 0;
        for (const float each : options.lossesDb) {
            loss = each;
            DesignReport report = design::evaluateDesign(options, loss);
            if (!first) {
                writer->begin(piece, report);
            }
            writer->row(piece, report);
            if (!report.realisable()) {
                ++below;
            }
            if (!first || piece.size() >= pieceBytes) {
                out.write(piece);
                piece.clear();
                if (!first) {
                    out.flush();
                    first = std::move(report);
                }
            }
        }
        writer->end(piece);
        out.write(piece);
        if (below == 0) {
            return 0;
        }
        if (options.format != OutputFormat::Text) {
            err = belowMinimum(options, *first, below, options.lossesDb.size());
        }
        return exitBelowMinimum;
    } catch (const design::FloatError& error) {
        // Only a loss between the ends of the range can fail here, after part of the table.
        return refuse(err, calculationFails(loss, error));
    } catch (const RatingOutOfRange&) {
        return refuse(err, ratingOutOfRange(options));
    }
}

} // namespace

int run(std::span<const std::string_view> arguments, OutputSink& out, std::string& err) {
    const ParsedCommand command = parseCommand(arguments);
    if (const auto* help = std::get_if<HelpRequest>(&command)) {
        out.write(help->text);
        return 0;
    }
    if (std::holds_alternative<VersionRequest>(command)) {
        out.write(std::string(programName) + " " + std::string(applicationVersion) + "\n");
        return 0;
    }
    if (const auto* refusal = std::get_if<Refusal>(&command)) {
        return refuse(err, refusal->message);
    }
    const auto written = [&](const RunResult& result) {
        out.write(result.out);
        err = result.err;
        return result.exitStatus;
    };
    if (const auto* options = std::get_if<Options>(&command);
        options != nullptr && options->optimise) {
        try {
            return written(runOptimise(*options));
        } catch (const RatingOutOfRange&) {
            return refuse(err, ratingOutOfRange(*options));
        }
    }
    if (const auto* check = std::get_if<CheckOptions>(&command)) {
        try {
            return written(runCheck(*check));
        } catch (const RatingOutOfRange&) {
            return refuse(err, ratingOutOfRange(check->common));
        }
    }
    return design(std::get<Options>(command), out, err);
}

RunResult run(std::span<const std::string_view> arguments) {
    RunResult result;
    StringSink out(result.out);
    result.exitStatus = run(arguments, out, result.err);
    return result;
}

} // namespace zelmarino::cli
