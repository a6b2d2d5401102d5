#include "cli/number_input.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace zelmarino::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Prefix {
    int exponent;
    std::size_t length; // in bytes: micro may be a two-byte letter
    bool resistorCode;  // R, which may also stand before any digit (R47)
};

// The prefix, if any, that starts at `at`.
std::optional<Prefix> prefixAt(std::string_view text, std::size_t at, Prefixes prefixes,
                               ResistorCode code) {
    const std::string_view rest = text.substr(std::min(at, text.size()));
    if (rest.empty()) {
        return std::nullopt;
    }
    if (code == ResistorCode::Allowed && (rest.front() == 'R' || rest.front() == 'r')) {
        return Prefix{0, 1, true};
    }
    if (prefixes == Prefixes::Refused) {
        return std::nullopt;
    }
    switch (rest.front()) {
    case 'm':
        return Prefix{-3, 1, false};
    case 'k':
    case 'K':
        return Prefix{3, 1, false};
    case 'M':
        return Prefix{6, 1, false};
    case 'G':
        return Prefix{9, 1, false};
    default:
        break;
    }
    if (prefixes == Prefixes::AllowedWithMicro || prefixes == Prefixes::AllowedWithSmall) {
        // u where no µ is at hand; the micro sign and the Greek mu, in UTF-8, both in use.
        for (const std::string_view micro : {"u", "\xc2\xb5", "\xce\xbc"}) {
            if (rest.starts_with(micro)) {
                return Prefix{-6, micro.size(), false};
            }
        }
    }
    if (prefixes == Prefixes::AllowedWithSmall) {
        switch (rest.front()) {
        case 'n':
            return Prefix{-9, 1, false};
        case 'p':
            return Prefix{-12, 1, false};
        case 'f':
            return Prefix{-15, 1, false};
        default:
            break;
        }
    }
    return std::nullopt;
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

NumberReading readNumber(std::string_view text, Prefixes prefixes, ResistorCode code) {
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

    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = digitsAt(text, pos);
    } else if (const auto inner = prefixAt(text, pos, prefixes, code);
               inner && (!whole.empty() || inner->resistorCode) &&
               pos + inner->length < text.size() && isDigit(text[pos + inner->length])) {
        // "1k5", "4R7", "R47": the prefix stands where the decimal point would be.
        pos += inner->length;
        fraction = digitsAt(text, pos);
        exponent = inner->exponent;
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
    } else if (const auto trailing = prefixAt(text, pos, prefixes, code); !prefixSeen && trailing) {
        pos += trailing->length;
        exponent = trailing->exponent;
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
