#include "cli/line_options.h"

#include "cli/quantity_reader.h"
#include "cli/quoted.h"
#include "design/catalogue.h"

#include <string>

namespace zelmarino::cli {

namespace {

std::string about(std::string_view option, std::string_view value, const std::string& problem) {
    return std::string(option) + " " + quoted(value) + ": " + problem;
}

// The networks that have lines, "quarter-wave-series, quarter-wave-shunt or reflection".
std::string networksWithLines() {
    std::string list;
    std::size_t count = 0;
    for (const design::NetworkEntry& entry : design::catalogue()) {
        if (!entry.lines.empty()) {
            list += (count++ > 0 ? ", " : "") + std::string(entry.command);
        }
    }
    const auto last = list.rfind(", ");
    return last == std::string::npos ? list : list.replace(last, 2, " or ");
}

} // namespace

std::optional<Refusal> readF0(std::string_view value, Options& options) {
    constexpr Quantity hertz = {.option = "--f0",
                                .unit = "Hz",
                                .prefixes = Prefixes::Allowed,
                                .lowest = 0.0,
                                .lowestAllowed = false,
                                .outside = "must be a frequency above 0 Hz"};
    const auto reading = readOption(value, hertz);
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    options.f0Hz = std::get<double>(reading);
    options.f0Text = value;
    return std::nullopt;
}

std::optional<Refusal> readLineModel(std::string_view value, Options& options) {
    if (value == "ideal") {
        options.lineModel = design::LineModel::Ideal;
    } else if (value == "lumped") {
        options.lineModel = design::LineModel::Lumped;
    } else {
        return Refusal{about("--line", value, "not one of ideal, lumped")};
    }
    options.lineText = value;
    return std::nullopt;
}

std::optional<Refusal> readRoot(std::string_view value, Options& options) {
    if (value == "low") {
        options.root = design::Root::Low;
    } else if (value == "high") {
        options.root = design::Root::High;
    } else {
        return Refusal{about("--root", value, "not one of low, high")};
    }
    options.rootText = value;
    return std::nullopt;
}

std::optional<Refusal> lineRefusal(const Options& options) {
    const bool lines = design::hasLines(options.network);
    if (!lines && !options.f0Text.empty()) {
        return Refusal{about("--f0", options.f0Text, "only for " + networksWithLines())};
    }
    if (!lines && !options.lineText.empty()) {
        return Refusal{about("--line", options.lineText, "only for " + networksWithLines())};
    }
    if (options.network != design::Network::Reflection && !options.rootText.empty()) {
        return Refusal{about("--root", options.rootText, "only for reflection")};
    }
    if (lines && options.bandwidthOnly) {
        return Refusal{"--bandwidth: not for " +
                       std::string(design::entryOf(options.network).command) +
                       ", which is designed for --f0 alone"};
    }
    return std::nullopt;
}

} // namespace zelmarino::cli
