#include "text/resistor_text.h"

#include "design/attenuator.h"
#include "design/checked.h"
#include "text/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace zelmarino {

namespace {

using design::Checked;
using design::checkedValue;

// Characters `first` to `last` of `text`, counted from 1; what there is where it is shorter.
std::string slice(const std::string& text, std::size_t first, std::size_t last) {
    if (first > text.size()) {
        return {};
    }
    return text.substr(first - 1, last - first + 1);
}

// The three parts appended in turn. Written as "0" + part, the insertion at the front looks
// to GCC 12 like an overlapping copy (a false -Wrestrict), which stops the Windows cross build.
std::string joined(std::string_view first, std::string_view second, std::string_view third) {
    std::string text(first);
    text += second;
    text += third;
    return text;
}

// The five ranges, each tested on the value as it stands when its turn comes; only the last
// changes the value, so exactly one string is assigned.
ResistorText formatMagnitude(double value) {
    std::string text;
    if (value < 0.1) {
        text = joined("0.0", slice(NumberText(checkedValue(Checked(value) * 10.0)), 3, 4), "W");
    }
    if (value >= 0.1 && value < 1.0) {
        text = joined("0", slice(NumberText(value), 2, 5), " W");
    }
    if (value >= 1.0 && value < 10.0) {
        text = slice(NumberText(value), 1, 4) + " W";
    }
    if (value >= 10.0 && value < 10000.0) {
        text = NumberText(std::floor(checkedValue(Checked(value) + 0.5))) + " W";
    }
    if (value >= 10000.0) {
        value = checkedValue(Checked(value) / 1000.0);
        text = NumberText(std::floor(value)) + " KW";
    }
    return {text, value};
}

} // namespace

ResistorText formatResistor(double ohms) {
    if (!design::isNegative(ohms)) {
        return formatMagnitude(ohms);
    }
    // Its magnitude's text with the sign in front, in place of the leading blank where there
    // is one.
    ResistorText shown = formatMagnitude(-ohms);
    shown.shownValue = -shown.shownValue;
    if (shown.text.front() == ' ') {
        shown.text.front() = '-';
    } else {
        shown.text.insert(0, 1, '-');
    }
    return shown;
}

std::string NumberText(double value) {
    std::string text = value < 0.0 ? "-" : " ";
    const double magnitude = std::abs(value);
    if (!std::isfinite(magnitude)) {
        return text + (std::isnan(magnitude) ? "nan" : "inf");
    }
    if (magnitude == 0.0) {
        return text + "0";
    }
    // Fifteen significant digits, correctly rounded, without the trailing zeros.
    const RoundedDigits rounded = roundToSignificant(magnitude, 15);
    std::array<char, 20> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded.digits).ptr;
    while (end - buffer.data() > 1 && end[-1] == '0') {
        --end;
    }
    const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const int exponent = rounded.exponent;
    if (exponent < 0) {
        // Below 1: no "0" before the point.
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (whole >= digits.size()) {
        text += digits;
        text.append(whole - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, whole);
    text += '.';
    text += digits.substr(whole);
    return text;
}

} // namespace zelmarino
