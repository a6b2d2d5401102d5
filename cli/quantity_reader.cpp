#include "cli/quantity_reader.h"

#include "cli/quoted.h"

#include <cmath>

namespace zelmarino::cli {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithUnit(std::string_view text, std::string_view unit, bool anyCase) {
    if (unit.empty() || text.size() < unit.size()) {
        return false;
    }
    const std::string_view end = text.substr(text.size() - unit.size());
    for (std::size_t i = 0; i < unit.size(); ++i) {
        if (anyCase ? lower(end[i]) != lower(unit[i]) : end[i] != unit[i]) {
            return false;
        }
    }
    return true;
}

bool withinBounds(double value, const Quantity& quantity) {
    const bool aboveLowest =
        quantity.lowestAllowed ? value >= quantity.lowest : value > quantity.lowest;
    const bool belowHighest =
        quantity.highestAllowed ? value <= quantity.highest : value < quantity.highest;
    return aboveLowest && belowHighest && (!quantity.whole || value == std::floor(value));
}

} // namespace

bool hasUnit(std::string_view text, const Quantity& quantity) {
    return endsWithUnit(text, quantity.unit, quantity.unitInAnyCase);
}

QuantityReading readQuantity(std::string_view text, const Quantity& quantity) {
    std::string_view number = text;
    if (endsWithUnit(number, quantity.unit, quantity.unitInAnyCase)) {
        number.remove_suffix(quantity.unit.size());
    }
    const NumberReading reading = readNumber(number, quantity.prefixes, quantity.resistorCode);
    if (reading.status == NumberReading::Status::NotANumber) {
        return QuantityFault::NotANumber;
    }
    constexpr auto singleLargest = static_cast<double>(std::numeric_limits<float>::max());
    constexpr auto singleSmallest = static_cast<double>(std::numeric_limits<float>::min());
    const double magnitude = std::abs(reading.value);
    if (reading.status == NumberReading::Status::OutOfRange ||
        (quantity.singlePrecision && magnitude > singleLargest)) {
        return QuantityFault::OutOfRange;
    }
    if (!withinBounds(reading.value, quantity)) {
        return QuantityFault::Outside;
    }
    if (quantity.singlePrecision && magnitude > 0.0 && magnitude < singleSmallest) {
        return QuantityFault::TooSmall;
    }
    return reading.value;
}

std::string_view reasonFor(QuantityFault fault, const Quantity& quantity) {
    switch (fault) {
    case QuantityFault::NotANumber:
        return quantity.notANumber;
    case QuantityFault::OutOfRange:
        return quantity.outOfRange;
    case QuantityFault::Outside:
        return quantity.outside;
    case QuantityFault::TooSmall:
        return quantity.tooSmall;
    }
    return quantity.notANumber;
}

std::variant<double, Refusal> readOption(std::string_view text, const Quantity& quantity) {
    const QuantityReading reading = readQuantity(text, quantity);
    if (const auto* fault = std::get_if<QuantityFault>(&reading)) {
        return Refusal{std::string(quantity.option) + " " + quoted(text) + ": " +
                       std::string(reasonFor(*fault, quantity))};
    }
    return std::get<double>(reading);
}

std::variant<RangeReading, RangeFault> readRange(std::string_view text, const RangeForm& form) {
    RangeReading range{};
    std::size_t part = 0;
    for (std::size_t start = 0;; ++part) {
        const std::size_t colon = text.find(':', start);
        if (part == range.texts.size()) {
            return RangeFault{true, 0, text, QuantityFault::NotANumber};
        }
        range.texts.at(part) = text.substr(start, colon - start);
        if (colon == std::string_view::npos) {
            break;
        }
        start = colon + 1;
    }
    if (part + 1 != range.texts.size()) {
        return RangeFault{true, 0, text, QuantityFault::NotANumber};
    }
    for (std::size_t i = 0; i < range.texts.size(); ++i) {
        const QuantityReading reading =
            readQuantity(range.texts.at(i), i < 2 ? form.ends : form.third);
        if (const auto* fault = std::get_if<QuantityFault>(&reading)) {
            return RangeFault{false, i, range.texts.at(i), *fault};
        }
        range.values.at(i) = std::get<double>(reading);
    }
    return range;
}

} // namespace zelmarino::cli
