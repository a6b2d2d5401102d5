#include "text/decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace zelmarino {

namespace {

// Every power of ten up to 1e22 is a double exactly; scaling by one rounds once.
constexpr std::array<double, 23> exactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::array<std::uint64_t, 18> integerPowers = {1ULL,
                                                         10ULL,
                                                         100ULL,
                                                         1'000ULL,
                                                         10'000ULL,
                                                         100'000ULL,
                                                         1'000'000ULL,
                                                         10'000'000ULL,
                                                         100'000'000ULL,
                                                         1'000'000'000ULL,
                                                         10'000'000'000ULL,
                                                         100'000'000'000ULL,
                                                         1'000'000'000'000ULL,
                                                         10'000'000'000'000ULL,
                                                         100'000'000'000'000ULL,
                                                         1'000'000'000'000'000ULL,
                                                         10'000'000'000'000'000ULL,
                                                         100'000'000'000'000'000ULL};

constexpr int largestExactPower = static_cast<int>(exactPowers.size()) - 1;

// Below 2^52 a double's fraction can be a half; above, every double is an integer.
constexpr double fractionLimit = 4503599627370496.0;

std::optional<double> scaled(double magnitude, int power) {
    if (power > largestExactPower || power < -largestExactPower) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(std::abs(power));
    return power >= 0 ? magnitude * exactPowers.at(index) : magnitude / exactPowers.at(index);
}

// The integer nearest to the exact scaled value. `s` holds it to within half a unit in its
// last place, at most s * 2^-53, so the rounding is certain when `s` is farther than twice
// that from a half. Below 2^52 the whole part and the fraction are exact.
std::optional<std::uint64_t> nearestInteger(double s) {
    if (!(s < fractionLimit)) {
        return std::nullopt;
    }
    const auto whole = static_cast<std::uint64_t>(s);
    const double fraction = s - static_cast<double>(whole);
    if (std::abs(fraction - 0.5) <= s * 0x1p-52) {
        return std::nullopt;
    }
    return fraction > 0.5 ? whole + 1 : whole;
}

// The power of ten of the first digit, or one below it: the binary exponent times log10(2),
// which 78913 / 2^18 is to within the range of a double's exponents. A normal number only.
int decimalExponentEstimate(double magnitude) {
    constexpr int exponentBias = 1023;
    constexpr int fractionBits = 52;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int binary = static_cast<int>((bits >> fractionBits) & 0x7FFU) - exponentBias;
    return (binary * 78913) >> 18; // an arithmetic shift: a floor division in C++20
}

// The slow and always exact way: std::to_chars in scientific form, read back.
RoundedDigits exactly(double magnitude, int count) {
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(), written.ptr);
    RoundedDigits rounded{0, 0};
    std::size_t at = 0;
    for (; text[at] != 'e'; ++at) {
        if (text[at] != '.') {
            rounded.digits = rounded.digits * 10 + static_cast<std::uint64_t>(text[at] - '0');
        }
    }
    at += text[at + 1] == '+' ? 2U : 1U;
    std::from_chars(text.data() + at, text.data() + text.size(), rounded.exponent);
    return rounded;
}

template <typename... Format> std::string convert(double value, Format... format) {
    std::array<char, 64> buffer{};
    char* const end = buffer.data() + buffer.size();
    auto result = std::to_chars(buffer.data(), end, value, format...);
    if (result.ec != std::errc{}) {
        // Only a fixed format of a huge value overflows the buffer: fall back to the shortest.
        result = std::to_chars(buffer.data(), end, value);
    }
    return {buffer.data(), result.ptr};
}

// A number's text, built in place: no form here is longer than a sign, 17 digits, a point, up
// to 22 zeros and an exponent.
class TextBuffer {
public:
    void put(char c) { m_chars.at(m_size++) = c; }
    void put(char c, std::size_t count) {
        std::fill_n(free(count), count, c);
        m_size += count;
    }
    void put(std::string_view text) {
        std::copy(text.begin(), text.end(), free(text.size()));
        m_size += text.size();
    }
    // The digits of `value`, kept apart from the text until they are placed.
    std::string_view digits(std::uint64_t value) {
        char* const end =
            std::to_chars(m_digits.data(), m_digits.data() + m_digits.size(), value).ptr;
        return {m_digits.data(), static_cast<std::size_t>(end - m_digits.data())};
    }
    [[nodiscard]] std::string text() const { return {m_chars.data(), m_size}; }

private:
    // Where `count` more characters go; the forms' longest text fits with room to spare.
    char* free(std::size_t count) {
        if (m_size + count > m_chars.size()) {
            throw std::length_error("number text too long");
        }
        return m_chars.data() + m_size;
    }

    std::array<char, 64> m_chars{};
    std::array<char, 20> m_digits{};
    std::size_t m_size = 0;
};

// The exponent as std::to_chars writes it: a sign and at least two digits.
void putExponent(TextBuffer& out, int exponent) {
    out.put('e');
    out.put(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude >= 100) {
        out.put(static_cast<char>('0' + magnitude / 100));
    }
    out.put(static_cast<char>('0' + magnitude / 10 % 10));
    out.put(static_cast<char>('0' + magnitude % 10));
}

} // namespace

RoundedDigits roundToSignificant(double magnitude, int count) {
    const auto countIndex = static_cast<std::size_t>(count);
    if (std::isnormal(magnitude)) {
        // The estimate may be one short: the digit count tells, and the exponent is tried
        // again.
        int exponent = decimalExponentEstimate(magnitude);
        for (int attempt = 0; attempt < 3; ++attempt) {
            const auto s = scaled(magnitude, count - 1 - exponent);
            const auto digits = s ? nearestInteger(*s) : std::nullopt;
            if (!digits) {
                break;
            }
            if (*digits >= integerPowers.at(countIndex)) {
                ++exponent;
            } else if (*digits < integerPowers.at(countIndex - 1)) {
                --exponent;
            } else {
                return {*digits, exponent};
            }
        }
    }
    return exactly(magnitude, count);
}

std::optional<std::uint64_t> roundToDecimals(double magnitude, int decimals) {
    const auto s = scaled(magnitude, decimals);
    return s ? nearestInteger(*s) : std::nullopt;
}

// The layout is printf's %g, which std::to_chars's general form follows: plain notation
// where the exponent is from -4 to below the digit count, trailing zeros dropped.
std::string generalText(double value, int precision) {
    const int digits = std::max(precision, 1); // as printf, no digits means one
    if (value == 0.0) {
        return std::signbit(value) ? "-0" : "0"; // a perfect match's reflection, often
    }
    if (!std::isfinite(value)) {
        return convert(value, std::chars_format::general, digits);
    }
    const RoundedDigits rounded = roundToSignificant(std::abs(value), digits);
    TextBuffer out;
    std::string_view all = out.digits(rounded.digits);
    while (all.size() > 1 && all.back() == '0') {
        all.remove_suffix(1);
    }
    const int exponent = rounded.exponent;
    if (std::signbit(value)) {
        out.put('-');
    }
    if (exponent < -4 || exponent >= digits) {
        out.put(all.front());
        if (all.size() > 1) {
            out.put('.');
            out.put(all.substr(1));
        }
        putExponent(out, exponent);
    } else if (exponent < 0) {
        out.put("0.");
        out.put('0', static_cast<std::size_t>(-exponent - 1));
        out.put(all);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        out.put(all.substr(0, whole));
        if (all.size() < whole) {
            out.put('0', whole - all.size());
        } else if (all.size() > whole) {
            out.put('.');
            out.put(all.substr(whole));
        }
    }
    return out.text();
}

std::string fixedText(double value, int decimals) {
    const auto scaled =
        std::isfinite(value) ? roundToDecimals(std::abs(value), decimals) : std::nullopt;
    if (!scaled) {
        return convert(value, std::chars_format::fixed, decimals);
    }
    TextBuffer out;
    const std::string_view all = out.digits(*scaled);
    const auto places = static_cast<std::size_t>(decimals);
    if (std::signbit(value)) {
        out.put('-');
    }
    if (all.size() <= places) {
        out.put('0');
        if (places > 0) {
            out.put('.');
            out.put('0', places - all.size());
            out.put(all);
        }
    } else {
        out.put(all.substr(0, all.size() - places));
        if (places > 0) {
            out.put('.');
            out.put(all.substr(all.size() - places));
        }
    }
    return out.text();
}

} // namespace zelmarino
