#include "cli/frequency_option.h"

#include "cli/quantity_reader.h"
#include "cli/quoted.h"
#include "design/response.h"

#include <string>
#include <vector>

namespace zelmarino::cli {

namespace {

std::string about(std::string_view value, const std::string& problem) {
    return "--freq " + quoted(value) + ": " + problem;
}

// A frequency in hertz, 0 (direct current) included: "1G", "1GHz", "100k", "100Hz".
constexpr Quantity hertz = {
    .option = "--freq", .unit = "Hz", .prefixes = Prefixes::Allowed, .lowest = 0.0};

constexpr Quantity points = {.option = "--freq",
                             .lowest = 2.0,
                             .highest = static_cast<double>(maximumFrequencies),
                             .whole = true};

std::string notAFrequency(std::string_view part) {
    return quoted(part) + " is not a frequency of 0 Hz or more";
}

} // namespace

std::optional<Refusal> readFrequencies(std::string_view value, Options& options) {
    options.frequencyText = std::string(value);
    if (value.find(':') == std::string_view::npos) {
        const QuantityReading reading = readQuantity(value, hertz);
        if (!std::holds_alternative<double>(reading)) {
            return Refusal{about(value, notAFrequency(value))};
        }
        options.frequenciesHz = {std::get<double>(reading)};
        return std::nullopt;
    }
    constexpr std::string_view logarithmic = ":log";
    const bool log = value.ends_with(logarithmic);
    const std::string_view range = log ? value.substr(0, value.size() - logarithmic.size()) : value;
    const auto reading = readRange(range, {hertz, points});
    if (const auto* fault = std::get_if<RangeFault>(&reading)) {
        if (fault->notThreeParts) {
            return Refusal{about(value, "a sweep is written FROM:TO:POINTS or FROM:TO:POINTS:log")};
        }
        if (fault->part < 2) {
            return Refusal{about(value, notAFrequency(fault->text))};
        }
        return Refusal{about(value, "POINTS must be a whole number from 2 to " +
                                        std::to_string(maximumFrequencies))};
    }
    const auto& [from, to, count] = std::get<RangeReading>(reading).values;
    if (!(to > from)) {
        return Refusal{about(value, "TO must be above FROM")};
    }
    if (log && !(from > 0.0)) {
        return Refusal{about(value, "a logarithmic sweep starts above 0 Hz")};
    }
    options.frequenciesHz = design::frequencyGrid(from, to, static_cast<std::size_t>(count), log);
    return std::nullopt;
}

} // namespace zelmarino::cli
