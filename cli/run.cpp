#include "cli/run.h"

#include "cli/csv_output.h"
#include "cli/json_output.h"
#include "cli/number_text.h"
#include "cli/options.h"
#include "cli/output_common.h"
#include "cli/report.h"
#include "cli/spice_output.h"
#include "cli/text_output.h"
#include "design/checked.h"
#include "version.h"

#include <algorithm>
#include <variant>

namespace zelmarino::cli {

namespace {

constexpr std::string_view programName = "zelmarino-calc";

std::string_view failureName(design::FloatFailure failure) {
    switch (failure) {
    case design::FloatFailure::DivisionByZero:
        return "division by zero";
    case design::FloatFailure::Overflow:
        return "overflow";
    case design::FloatFailure::InvalidOperation:
        break;
    }
    return "invalid operation";
}

RunResult refused(const std::string& message) {
    return {exitRefused, "", std::string(programName) + ": " + message + "\n"};
}

void writeOutput(std::string& out, const Options& options, std::span<const DesignReport> reports) {
    switch (options.format) {
    case OutputFormat::Text:
        if (options.table) {
            writeTextTable(out, options, reports);
        } else {
            writeTextReport(out, options, reports.front());
        }
        return;
    case OutputFormat::Csv:
        writeCsv(out, options, reports);
        return;
    case OutputFormat::Json:
        writeJson(out, options, reports);
        return;
    case OutputFormat::Spice:
        writeSpice(out, options, reports);
        return;
    }
}

RunResult design(const Options& options) {
    std::vector<DesignReport> reports;
    reports.reserve(options.lossesDb.size());
    for (const float loss : options.lossesDb) {
        try {
            reports.push_back(makeReport(options, loss));
        } catch (const design::FloatError& error) {
            return refused("--db '" + entryText(loss) + "': the calculation fails (" +
                           std::string(failureName(error.failure)) + ")");
        }
    }
    RunResult result;
    // Room for the whole output up front (a json design takes under a kilobyte), so that
    // a table of many designs is not copied again and again as it grows.
    constexpr std::size_t bytesPerDesign = 1024;
    constexpr std::size_t largestReserve = std::size_t{64} << 20U;
    result.out.reserve(std::min(reports.size() * bytesPerDesign, largestReserve));
    writeOutput(result.out, options, reports);
    const auto below = static_cast<std::size_t>(std::count_if(
        reports.begin(), reports.end(), [](const DesignReport& r) { return !r.realisable(); }));
    if (below == 0) {
        return result;
    }
    result.exitStatus = exitBelowMinimum;
    if (options.format != OutputFormat::Text) {
        // The text report says so itself; the other formats keep their output clean.
        const std::string minimum = fixedPoint(reports.front().design.minimumLossDb, 4) + " dB";
        const std::string what =
            options.table ? "designs below the minimum loss of " + minimum + ": " +
                                std::to_string(below) + " of " + std::to_string(reports.size())
                          : "the loss is below the minimum of " + minimum + ": " +
                                negativeArmNames(reports.front()) + " negative";
        result.err = std::string(programName) + ": " + what + "\n";
    }
    return result;
}

} // namespace

RunResult run(std::span<const std::string_view> arguments) {
    const ParsedCommand command = parseCommand(arguments);
    if (const auto* help = std::get_if<HelpRequest>(&command)) {
        return {0, help->text, ""};
    }
    if (std::holds_alternative<VersionRequest>(command)) {
        return {0, std::string(programName) + " " + std::string(applicationVersion) + "\n", ""};
    }
    if (const auto* refusal = std::get_if<Refusal>(&command)) {
        return refused(refusal->message);
    }
    return design(std::get<Options>(command));
}

} // namespace zelmarino::cli
