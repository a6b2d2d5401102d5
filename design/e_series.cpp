#include "design/e_series.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelmarino::design {

namespace {

constexpr std::array<int, 6> e6 = {10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> e12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> e24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                     33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> e48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                     178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                     316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                     562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> e96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> e192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

constexpr std::array<std::string_view, 6> names = {"E6", "E12", "E24", "E48", "E96", "E192"};

// 10^exponent; a division for negative exponents, so that 47 * 10^-1 comes out as the
// double nearest to 4.7, as the literal would.
double scaled(int mantissa, int exponent) {
    if (exponent >= 0) {
        return mantissa * std::pow(10.0, exponent);
    }
    return mantissa / std::pow(10.0, -exponent);
}

} // namespace

std::string_view seriesName(ESeries series) {
    return names.at(static_cast<std::size_t>(series));
}

std::optional<ESeries> seriesNamed(std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names.at(i) == name) {
            return static_cast<ESeries>(i);
        }
    }
    return std::nullopt;
}

std::span<const int> seriesDecade(ESeries series) {
    switch (series) {
    case ESeries::E6:
        return e6;
    case ESeries::E12:
        return e12;
    case ESeries::E24:
        return e24;
    case ESeries::E48:
        return e48;
    case ESeries::E96:
        return e96;
    case ESeries::E192:
        break;
    }
    return e192;
}

double nearestStandard(double ohms, ESeries series) {
    if (!(ohms > 0.0) || !std::isfinite(ohms)) {
        return ohms;
    }
    const std::span<const int> decade = seriesDecade(series);
    const int first = decade.front(); // 10 or 100: the start of the next decade is 10 times it
    // Scale `ohms` so that it lies between `first` and 10 * first, multiplying by exact
    // powers of ten where it can.
    int exponent = static_cast<int>(std::floor(std::log10(ohms / first)));
    double mantissa =
        exponent >= 0 ? ohms / std::pow(10.0, exponent) : ohms * std::pow(10.0, -exponent);
    while (mantissa >= 10.0 * first) {
        ++exponent;
        mantissa /= 10.0;
    }
    while (mantissa < first) {
        --exponent;
        mantissa *= 10.0;
    }
    const auto above = std::upper_bound(decade.begin(), decade.end(), mantissa);
    const int lower = *(above - 1);
    const int upper = above == decade.end() ? 10 * first : *above;
    // Nearer by ratio: mantissa / lower against upper / mantissa.
    const int chosen = mantissa * mantissa <= static_cast<double>(lower) * upper ? lower : upper;
    return scaled(chosen, exponent);
}

} // namespace zelmarino::design
