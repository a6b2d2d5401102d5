#include "cli/number_text.h"

#include <array>
#include <charconv>
#include <system_error>

namespace zelmarino::cli {

namespace {

template <typename... Format> std::string convert(double value, Format... format) {
    // Adding zero turns a negative zero into zero: "-0" would only puzzle the reader.
    value += 0.0;
    std::array<char, 64> buffer{};
    char* const end = buffer.data() + buffer.size();
    auto result = std::to_chars(buffer.data(), end, value, format...);
    if (result.ec != std::errc{}) {
        // Only a fixed format of a huge value overflows the buffer: fall back to the shortest.
        result = std::to_chars(buffer.data(), end, value);
    }
    return {buffer.data(), result.ptr};
}

} // namespace

std::string significant(double value, int digits) {
    return convert(value, std::chars_format::general, digits);
}

std::string fixedPoint(double value, int decimals) {
    return convert(value, std::chars_format::fixed, decimals);
}

std::string shortest(double value) {
    return convert(value);
}

} // namespace zelmarino::cli
