// Fuzzes the lenient text-to-number reading of the three boxes, and the rounding of what it
// reads into a single-precision field.
//
// Properties checked for any bytes:
// - no crash and no undefined behaviour (address and undefined-behaviour sanitizers);
// - NumberValue never gives NaN;
// - blanks, tabs and line feeds are ignored: the text with all of them removed, and the text
//   with one inserted after every character, read bit for bit the same;
// - a decimal number reads as the C library's correctly rounded strtod reads the longest
//   prefix that fits sign, digits, point and an E/D exponent (D read as E);
// - "&H" / "&O" give a whole number that is not negative; up to 52 bits it is exact;
//   "&" followed by anything else reads 0;
// - toSingle gives the nearest float: finite and within half a unit in the last place where
//   the value is inside the float range, infinite with the value's sign only beyond it.
#include "calc/conversions.h"
#include "fuzz/fuzz_check.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using zelmarino::fuzz::check;
using zelmarino::fuzz::isDigit;

bool isIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (!isIgnored(c)) {
            kept += c;
        }
    }
    return kept;
}

std::string withBlanksInserted(std::string_view text) {
    constexpr std::string_view blanks = " \t\n";
    std::string spaced(1, '\t');
    for (std::size_t i = 0; i < text.size(); ++i) {
        spaced += text[i];
        spaced += blanks[i % blanks.size()];
    }
    return spaced;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The longest prefix of `text` (blanks removed) that is a decimal number, in strtod's terms.
std::string decimalPrefix(const std::string& text) {
    std::size_t at = 0;
    const auto digitsFrom = [&text](std::size_t from) {
        while (from < text.size() && isDigit(text[from])) {
            ++from;
        }
        return from;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t wholeEnd = digitsFrom(at);
    std::size_t end = wholeEnd;
    bool anyDigit = wholeEnd > at;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = digitsFrom(end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return "0";
    }
    std::string number = text.substr(0, end);
    if (end < text.size() && std::string_view("eEdD").find(text[end]) != std::string_view::npos) {
        std::size_t exponentAt = end + 1;
        if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-')) {
            ++exponentAt;
        }
        const std::size_t exponentEnd = digitsFrom(exponentAt);
        if (exponentEnd > exponentAt) {
            number += 'e';
            number += text.substr(end + 1, exponentEnd - end - 1);
        }
    }
    return number;
}

void checkRadix(const std::string& stripped, double value) {
    const char kind = stripped.size() > 1 ? stripped[1] : '\0';
    const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (radix == 0) {
        check(sameBits(value, 0.0), "'&' without H or O reads 0", stripped);
        return;
    }
    check(value >= 0.0 && (std::isinf(value) || value == std::floor(value)),
          "a hexadecimal or octal text reads a whole number, not negative", stripped);
    std::size_t end = 2;
    const std::string_view digits = radix == 16 ? "0123456789abcdefABCDEF" : "01234567";
    while (end < stripped.size() && digits.find(stripped[end]) != std::string_view::npos) {
        ++end;
    }
    std::string number = stripped.substr(2, end - 2);
    number.erase(0, number.find_first_not_of('0'));
    const std::size_t exactDigits = radix == 16 ? 13 : 17; // at most 52 bits
    if (number.size() <= exactDigits) {
        const auto exact = number.empty() ? 0ULL : std::strtoull(number.c_str(), nullptr, radix);
        check(value == static_cast<double>(exact), "a whole number up to 52 bits is exact",
              stripped);
    }
}

void checkSingleRounding(double value, std::string_view text) {
    const float single = zelmarino::toSingle(value);
    check(!std::isnan(single), "toSingle of a number is a number", text);
    constexpr double largest = std::numeric_limits<float>::max();
    if (std::isinf(single)) {
        check(std::abs(value) > largest && std::signbit(single) == std::signbit(value),
              "toSingle goes infinite only beyond the float range, keeping the sign", text);
        return;
    }
    const double error = std::abs(static_cast<double>(single) - value);
    const double halfUnit = std::max(std::abs(value) * 0x1p-24, 0x1p-150);
    check(error <= halfUnit, "toSingle rounds to the nearest float", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = zelmarino::NumberValue(text);
    check(!std::isnan(value), "NumberValue never gives NaN", text);

    const std::string stripped = withoutBlanks(text);
    check(sameBits(zelmarino::NumberValue(stripped), value), "removing blanks changes nothing",
          text);
    check(sameBits(zelmarino::NumberValue(withBlanksInserted(text)), value),
          "inserting blanks changes nothing", text);

    if (!stripped.empty() && stripped.front() == '&') {
        checkRadix(stripped, value);
    } else {
        const double expected = std::strtod(decimalPrefix(stripped).c_str(), nullptr);
        check(value == expected, "a decimal number reads as strtod reads it", text);
    }
    checkSingleRounding(value, text);
    return 0;
}
