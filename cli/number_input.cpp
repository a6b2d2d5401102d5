#include "cli/number_input.h"

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace zelmarino::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> prefixExponent(char c) {
    switch (c) {
    case 'm':
        return -3;
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    case 'G':
        return 9;
    default:
        return std::nullopt;
    }
}

// Reads a run of digits starting at `pos` and moves past it.
std::string_view digitsAt(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

} // namespace

NumberReading readNumber(std::string_view text, Prefixes prefixes) {
    using Status = NumberReading::Status;
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view whole = digitsAt(text, pos);
    std::string_view fraction;
    long long exponent = 0;
    bool prefixSeen = false;
    const auto prefixAt = [&](std::size_t at) -> std::optional<int> {
        if (prefixes == Prefixes::Refused || at >= text.size()) {
            return std::nullopt;
        }
        return prefixExponent(text[at]);
    };

    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = digitsAt(text, pos);
    } else if (const auto inner = prefixAt(pos);
               inner && !whole.empty() && pos + 1 < text.size() && isDigit(text[pos + 1])) {
        // "1k5": the prefix stands where the decimal point would be.
        ++pos;
        fraction = digitsAt(text, pos);
        exponent = *inner;
        prefixSeen = true;
    }
    if (whole.empty() && fraction.empty()) {
        return {Status::NotANumber, 0.0};
    }
    if (!prefixSeen && pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        const std::size_t signAt = pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (digitsAt(text, pos).empty()) {
            return {Status::NotANumber, 0.0};
        }
        std::string_view written = text.substr(signAt, pos - signAt);
        if (written.front() == '+') {
            written.remove_prefix(1);
        }
        const auto [end, error] =
            std::from_chars(written.data(), written.data() + written.size(), exponent);
        if (error != std::errc{}) {
            return {Status::OutOfRange, 0.0};
        }
    } else if (const auto trailing = prefixAt(pos); !prefixSeen && trailing) {
        ++pos;
        exponent = *trailing;
    }
    if (pos != text.size()) {
        return {Status::NotANumber, 0.0};
    }

    // The decimal text is handed to from_chars whole, so the result is correctly rounded.
    std::string decimal;
    decimal.reserve(whole.size() + fraction.size() + 24);
    decimal.append(whole.empty() ? "0" : whole);
    decimal.push_back('.');
    decimal.append(fraction.empty() ? "0" : fraction);
    decimal.push_back('e');
    decimal.append(std::to_string(exponent));
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (error != std::errc{} || end != decimal.data() + decimal.size()) {
        return {Status::OutOfRange, 0.0};
    }
    return {Status::Ok, negative ? -value : value};
}

} // namespace zelmarino::cli
