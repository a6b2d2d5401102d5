#include "text/number_text.h"

#include "text/decimal_digits.h"

#include <array>
#include <charconv>

namespace zelmarino {

// Adding zero turns a negative zero into zero: "-0" would only puzzle the reader.
std::string significant(double value, int digits) {
    return generalText(value + 0.0, digits);
}

std::string fixedPoint(double value, int decimals) {
    return fixedText(value + 0.0, decimals);
}

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    return {buffer.data(),
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value + 0.0).ptr};
}

} // namespace zelmarino
