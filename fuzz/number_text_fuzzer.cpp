// Fuzzes the three number-to-text conversions on arbitrary bit patterns: NaN, infinities,
// subnormals, negative zero and the largest values included. The input is read as doubles,
// 8 bytes each; SingleText gets each double's first 4 bytes as a float.
//
// Properties checked:
// - no crash and no undefined behaviour (address and undefined-behaviour sanitizers);
// - SingleText: at most 13 characters from "0123456789.-E+", "inf"/"nan" only for those;
//   it reads back as the value to seven significant digits (printf's %.7G); "0." before
//   a plain fraction, never a bare ".";
// - NumberText: a blank or "-" (the sign), then digits with at most one point, or "inf" /
//   "nan" only for those; at most 342 characters; no trailing zeros after the point, no "0"
//   before it; it reads back as the magnitude to fifteen significant digits (printf's %.14e);
// - formatResistor either throws FloatError (only for infinities) or gives a string of at
//   most 347 characters from "0123456789.- WK" whose sign agrees with the value, whose unit
//   is that of the value's range ("W" directly after the digits below 0.1, " W" up to 10000,
//   " KW" from 10000 on, the value shown then in kilo-ohms) and whose number
//   is the value truncated or rounded as its range says; a NaN matches no range and gives
//   the empty string;
// - FormatResistors: one message and one beep when any of R1 to R3 is negative (negative zero
//   included), none otherwise; on a failure the strings before the failing value are new, the
//   rest untouched.
#include "calc/calculator.h"
#include "calc/conversions.h"
#include "calc/memory_view.h"
#include "design/checked.h"
#include "fuzz/fuzz_check.h"
#include "text/resistor_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using zelmarino::fuzz::check;
using zelmarino::fuzz::onlyFrom;

// `value` printed by the C library with `format`, read back.
double printedValue(const char* format, double value) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, value);
    return std::strtod(buffer.data(), nullptr);
}

std::string describe(double value) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return buffer.data();
}

void checkSingleText(float value) {
    const std::string text = zelmarino::SingleText(value);
    const std::string shown = describe(static_cast<double>(value));
    if (!std::isfinite(value)) {
        const std::string_view word = std::isnan(value) ? "nan" : "inf";
        check(text.ends_with(word) && text.size() <= 4,
              "SingleText of a non-finite value is inf or nan", shown);
        return;
    }
    check(!text.empty() && text.size() <= 13 && onlyFrom(text, "0123456789.-E+"),
          "SingleText is short and made of digits, point, sign and exponent", shown);
    check(!text.starts_with(".") && !text.starts_with("-."), "SingleText writes 0.5, not .5",
          shown);
    const double read = std::strtod(text.c_str(), nullptr);
    check(read == printedValue("%.7G", static_cast<double>(value)),
          "SingleText reads back as the value to seven digits", shown);
}

void checkNumberText(double value) {
    const std::string text = zelmarino::NumberText(value);
    const std::string shown = describe(value);
    check(!text.empty() && (text.front() == ' ' || text.front() == '-'),
          "NumberText begins with a blank or a minus", shown);
    check((text.front() == '-') == (value < 0.0), "NumberText's sign is the value's", shown);
    const std::string magnitude = text.substr(1);
    if (!std::isfinite(value)) {
        check(magnitude == (std::isnan(value) ? "nan" : "inf"),
              "NumberText of a non-finite value is inf or nan", shown);
        return;
    }
    check(!magnitude.empty() && text.size() <= 342 && onlyFrom(magnitude, "0123456789."),
          "NumberText is digits and a point, of bounded length", shown);
    check(magnitude == "0" || magnitude.front() != '0', "no 0 before the point", shown);
    const std::size_t point = magnitude.find('.');
    if (point != std::string::npos) {
        check(magnitude.find('.', point + 1) == std::string::npos, "one point at most", shown);
        check(magnitude.back() != '.' && magnitude.back() != '0',
              "no trailing zeros and no bare point", shown);
    }
    check(std::strtod(magnitude.c_str(), nullptr) == printedValue("%.14e", std::abs(value)),
          "NumberText reads back as the magnitude to fifteen digits", shown);
}

// Below, `magnitude` is the absolute value formatted and `shown` the number in its string.
void checkResistorNumber(double magnitude, double shown, std::string_view unit,
                         const std::string& what) {
    const double rounded = printedValue("%.14e", magnitude); // what NumberText starts from
    constexpr double slack = 1e-12;
    if (unit == "W") {
        // "0.0" and two digits of ten times the value: truncated to three decimals, unless
        // fifteen digits round ten times the value up to 1, which leaves no digits there.
        const double tenfold = printedValue("%.14e", magnitude * 10.0);
        const bool roundsUp = tenfold >= 1.0;
        check(roundsUp ? shown == 0.0
                       : (magnitude - shown > -slack && magnitude - shown < 0.001 + slack),
              "below 0.1 the value is truncated to three decimals", what);
    } else if (unit == " W" && magnitude < 10.0) {
        // Ranges 2 and 3 cut the number text: three decimals below 1, one decimal below 10.
        const double step = magnitude < 1.0 ? 0.001 : 0.1;
        check(rounded - shown > -slack && rounded - shown < step + slack,
              "below 10 the value is truncated", what);
    } else if (unit == " W") {
        check(shown == std::floor(magnitude + 0.5), "up to 10000 whole ohms, halves up", what);
    } else {
        check(shown == printedValue("%.14e", std::floor(magnitude / 1000.0)),
              "from 10000 whole kilo-ohms, truncated", what);
    }
}

void checkFormatResistor(double value) {
    const std::string what = describe(value);
    std::string text;
    double stored = 0.0;
    try {
        const zelmarino::ResistorText shown = zelmarino::formatResistor(value);
        text = shown.text;
        stored = shown.shownValue;
    } catch (const zelmarino::design::FloatError&) {
        check(std::isinf(value), "formatting fails only for an infinite value", what);
        return;
    }
    if (std::isnan(value)) {
        check(text.empty() && std::isnan(stored), "a NaN matches no range", what);
        return;
    }
    check(std::isfinite(value), "an infinite value fails to format", what);
    check(!text.empty() && text.size() <= 347 && onlyFrom(text, "0123456789.- WK"),
          "the string is short and made of digits, point, sign, blank and unit", what);
    check((text.front() == '-') == std::signbit(value), "the string's sign is the value's", what);

    const double magnitude = std::abs(value);
    std::string_view unit = "W";
    if (magnitude >= 10000.0) {
        unit = " KW";
    } else if (magnitude >= 0.1) {
        unit = " W";
    }
    check(text.ends_with(unit) && (unit != "W" || !text.ends_with(" W")),
          "the unit is that of the value's range", what);
    const double kept = magnitude >= 10000.0 ? value / 1000.0 : value;
    check(stored == kept, "only values from 10000 on are replaced, by kilo-ohms", what);

    const std::size_t signWidth = text.front() == '-' ? 1 : 0;
    std::string number = text.substr(signWidth, text.size() - unit.size() - signWidth);
    number.erase(0, number.find_first_not_of(' '));
    check(!number.empty() && number.find(' ') == std::string::npos,
          "one number stands before the unit", what);
    if (unit == "W") {
        check(number.starts_with("0.0"), "below 0.1 the string begins with 0.0", what);
    }
    checkResistorNumber(magnitude, std::strtod(number.c_str(), nullptr), unit, what);
}

// The record's three values through FormatResistors, with a window that counts beeps.
void checkFormatResistors(const std::array<double, 3>& values) {
    zelmarino::MemoryView view;
    zelmarino::Calculator calculator(view);
    auto& state = calculator.state();
    state.R1 = values[0];
    state.R2 = values[1];
    state.R3 = values[2];
    state.S1 = state.S2 = state.S3 = "old";
    std::size_t failedAt = values.size();
    try {
        calculator.FormatResistors();
    } catch (const zelmarino::design::FloatError&) {
        failedAt = 0;
        while (failedAt < values.size() && !std::isinf(values.at(failedAt))) {
            ++failedAt;
        }
        check(failedAt < values.size(), "FormatResistors fails only on an infinite value");
    }
    // Negative zero counts as negative; a NaN, which no design gives, as neither.
    bool anyNegative = false;
    for (const double value : values) {
        anyNegative = anyNegative || value < 0.0 || (value == 0.0 && std::signbit(value));
    }
    check(view.beeps == (anyNegative ? 1 : 0), "one beep exactly when a value is negative");
    check(view.caption(zelmarino::Label::Label9) ==
              (anyNegative ? zelmarino::negativeValueMessage : std::string_view{}),
          "the message exactly when a value is negative");
    const std::array<const std::string*, 3> strings{&state.S1, &state.S2, &state.S3};
    for (std::size_t i = 0; i < strings.size(); ++i) {
        check((*strings.at(i) == "old") == (i >= failedAt),
              "strings before a failure are new, the others keep their old value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<double, 3> values{};
    const std::size_t count = size / sizeof(double);
    for (std::size_t i = 0; i < count; ++i) {
        double value = 0.0;
        float single = 0.0F;
        std::memcpy(&value, data + i * sizeof(double), sizeof value);
        std::memcpy(&single, data + i * sizeof(double), sizeof single);
        checkSingleText(single);
        checkNumberText(value);
        checkFormatResistor(value);
        values.at(i % values.size()) = value;
    }
    if (count > 0) {
        checkFormatResistors(values);
    }
    return 0;
}
