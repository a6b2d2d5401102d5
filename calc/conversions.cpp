#include "calc/conversions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace zelmarino {

namespace {

bool isIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the characters of `text` one by one, skipping the ignored blanks.
class Reader {
public:
    explicit Reader(std::string_view text)
        : m_text(text) {
        skip();
    }
    [[nodiscard]] bool atEnd() const { return m_pos >= m_text.size(); }
    [[nodiscard]] char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void next() {
        ++m_pos;
        skip();
    }

private:
    void skip() {
        while (m_pos < m_text.size() && isIgnored(m_text[m_pos])) {
            ++m_pos;
        }
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int digitValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// "&H1F" or "&O17": a whole number of any length. Accumulating in a double cannot overflow
// an integer; beyond 2^53 it rounds, beyond the double range it becomes infinite.
double radixValue(Reader& reader, int radix) {
    double value = 0.0;
    while (digitValue(reader.peek()) < radix) {
        value = value * radix + digitValue(reader.peek());
        reader.next();
    }
    return value;
}

// Exponents beyond this are far outside the double range whatever the digits are, so
// clamping keeps the exponent text short without changing the result.
constexpr long exponentLimit = 100000;

double decimalValue(Reader& reader) {
    std::string number; // the accepted characters, in the form from_chars reads
    bool negative = false;
    if (reader.peek() == '+' || reader.peek() == '-') {
        negative = reader.peek() == '-';
        reader.next();
    }
    long significantPlace = 0; // decimal exponent of the first significant digit, roughly
    bool seenNonZero = false;
    bool anyDigit = false;
    while (isDigit(reader.peek())) {
        seenNonZero = seenNonZero || reader.peek() != '0';
        if (seenNonZero) {
            number += reader.peek();
            ++significantPlace;
        }
        anyDigit = true;
        reader.next();
    }
    if (reader.peek() == '.') {
        reader.next();
        number += '.';
        while (isDigit(reader.peek())) {
            if (!seenNonZero && reader.peek() == '0') {
                --significantPlace;
            }
            seenNonZero = seenNonZero || reader.peek() != '0';
            number += reader.peek();
            anyDigit = true;
            reader.next();
        }
    }
    if (!anyDigit || !seenNonZero) {
        return 0.0;
    }
    long exponent = 0;
    const char marker = reader.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        reader.next();
        bool negativeExponent = false;
        if (reader.peek() == '+' || reader.peek() == '-') {
            negativeExponent = reader.peek() == '-';
            reader.next();
        }
        while (isDigit(reader.peek())) {
            if (exponent < exponentLimit) {
                exponent = exponent * 10 + (reader.peek() - '0');
            }
            reader.next();
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    number += 'e';
    number += std::to_string(exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = significantPlace + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double NumberValue(std::string_view text) {
    Reader reader(text);
    if (reader.peek() == '&') {
        reader.next();
        const char kind = reader.peek();
        if (kind == 'H' || kind == 'h') {
            reader.next();
            return radixValue(reader, 16);
        }
        if (kind == 'O' || kind == 'o') {
            reader.next();
            return radixValue(reader, 8);
        }
        return 0.0;
    }
    return decimalValue(reader);
}

float toSingle(double value) {
    // Half a unit in the last place above the largest float: from there on, rounding to
    // nearest gives infinity.
    constexpr double overflowLimit =
        static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
    if (std::isfinite(value) && std::abs(value) >= overflowLimit) {
        constexpr float infinity = std::numeric_limits<float>::infinity();
        return value > 0.0 ? infinity : -infinity;
    }
    return static_cast<float>(value);
}

} // namespace zelmarino
