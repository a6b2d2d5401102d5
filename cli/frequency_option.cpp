#include "cli/frequency_option.h"

#include "cli/number_input.h"

#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::cli {

namespace {

std::string about(std::string_view value, const std::string& problem) {
    return "--freq '" + std::string(value) + "': " + problem;
}

// A frequency in hertz, 0 (direct current) included.
std::optional<double> readHertz(std::string_view text) {
    const NumberReading reading = readNumber(text, Prefixes::Allowed);
    if (reading.status != NumberReading::Status::Ok || !(reading.value >= 0.0) ||
        !std::isfinite(reading.value)) {
        return std::nullopt;
    }
    return reading.value;
}

} // namespace

std::optional<Refusal> readFrequencies(std::string_view value, Options& options) {
    options.frequencyText = std::string(value);
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = value.find(':', start);
        parts.push_back(value.substr(start, colon - start));
        if (colon == std::string_view::npos) {
            break;
        }
        start = colon + 1;
    }
    if (parts.size() != 1 && parts.size() != 3) {
        return Refusal{about(value, "a sweep is written FROM:TO:POINTS")};
    }
    for (std::size_t i = 0; i < parts.size() && i < 2; ++i) {
        if (!readHertz(parts[i])) {
            return Refusal{
                about(value, "'" + std::string(parts[i]) + "' is not a frequency of 0 Hz or more")};
        }
    }
    const double from = *readHertz(parts[0]);
    if (parts.size() == 1) {
        options.frequenciesHz = {from};
        return std::nullopt;
    }
    const double to = *readHertz(parts[1]);
    const NumberReading points = readNumber(parts[2], Prefixes::Refused);
    if (points.status != NumberReading::Status::Ok || points.value != std::floor(points.value) ||
        points.value < 2.0 || points.value > static_cast<double>(maximumFrequencies)) {
        return Refusal{about(value, "POINTS must be a whole number from 2 to " +
                                        std::to_string(maximumFrequencies))};
    }
    if (!(to > from)) {
        return Refusal{about(value, "TO must be above FROM")};
    }
    const auto count = static_cast<std::size_t>(points.value);
    options.frequenciesHz.clear();
    for (std::size_t i = 0; i < count; ++i) {
        // The last point is TO itself, not TO give or take a rounding.
        const double step = (to - from) / static_cast<double>(count - 1);
        options.frequenciesHz.push_back(i + 1 == count ? to : from + static_cast<double>(i) * step);
    }
    return std::nullopt;
}

} // namespace zelmarino::cli
