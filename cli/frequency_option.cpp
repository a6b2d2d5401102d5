#include "cli/frequency_option.h"

#include "cli/quantity_reader.h"
#include "cli/quoted.h"

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
    const auto reading = readRange(value, {hertz, points});
    if (const auto* fault = std::get_if<RangeFault>(&reading)) {
        if (fault->notThreeParts) {
            return Refusal{about(value, "a sweep is written FROM:TO:POINTS")};
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
    const auto pointCount = static_cast<std::size_t>(count);
    options.frequenciesHz.clear();
    for (std::size_t i = 0; i < pointCount; ++i) {
        // The last point is TO itself, not TO give or take a rounding.
        const double step = (to - from) / static_cast<double>(pointCount - 1);
        options.frequenciesHz.push_back(i + 1 == pointCount ? to
                                                            : from + static_cast<double>(i) * step);
    }
    return std::nullopt;
}

} // namespace zelmarino::cli
