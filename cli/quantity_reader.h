// Every option's number is read by these two, with the option's limits passed in: a quantity
// (a number, an SI prefix where the option takes one, its unit where it has one, bounds) and
// a range of them (FROM:TO:STEP or FROM:TO:POINTS). A reading is the value or the reason it
// is refused, which the caller words for a lone value, a part of a range or half of an arm.
#pragma once

#include "cli/number_input.h"
#include "cli/options.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace zelmarino::cli {

struct Quantity {
    std::string_view option = {}; // "--zin", to name it in a refusal
    std::string_view unit = {}; // may follow the number, in any case ("W", "Hz", "%"); "" for none
    // The unit in its own case only: the farad's F, where f would be femto ("50f" is 50 fF).
    bool unitInAnyCase = true;
    Prefixes prefixes = Prefixes::Refused;
    ResistorCode resistorCode = ResistorCode::Refused;
    double lowest = -std::numeric_limits<double>::infinity();
    bool lowestAllowed = true; // false: the value must lie above `lowest`
    double highest = std::numeric_limits<double>::infinity();
    bool highestAllowed = true;
    bool whole = false; // a count: no fraction
    // Held in single precision, as the window holds it: beyond its largest number is out of
    // range, and a value nearer 0 than its smallest normal one is too small.
    bool singlePrecision = false;

    // The reasons, as a refusal of a lone value gives them.
    std::string_view notANumber = "not a number";
    std::string_view outOfRange = "out of range";
    std::string_view outside = "out of range"; // beyond `lowest` or `highest`, or not whole
    std::string_view tooSmall = "too small";
};

enum class QuantityFault { NotANumber, OutOfRange, Outside, TooSmall };

using QuantityReading = std::variant<double, QuantityFault>;

[[nodiscard]] QuantityReading readQuantity(std::string_view text, const Quantity& quantity);

// Whether `text` ends with the quantity's unit: where an option takes two units, which one.
[[nodiscard]] bool hasUnit(std::string_view text, const Quantity& quantity);

// The reason as the quantity words it ("must be a resistance above 0 ohms").
[[nodiscard]] std::string_view reasonFor(QuantityFault fault, const Quantity& quantity);

// "--zin '0': must be a resistance above 0 ohms": a lone value read, or refused.
[[nodiscard]] std::variant<double, Refusal> readOption(std::string_view text,
                                                       const Quantity& quantity);

// FROM and TO read as `ends`, the third part as `third`: a STEP or a count of POINTS.
struct RangeForm {
    Quantity ends;
    Quantity third;
};

struct RangeReading {
    std::array<double, 3> values;          // FROM, TO, and the STEP or POINTS
    std::array<std::string_view, 3> texts; // as typed: views into the text read
};

struct RangeFault {
    bool notThreeParts; // when set, no part was read and the rest says nothing
    std::size_t part;   // 0 FROM, 1 TO, 2 the third
    std::string_view text;
    QuantityFault fault;
};

[[nodiscard]] std::variant<RangeReading, RangeFault> readRange(std::string_view text,
                                                               const RangeForm& form);

} // namespace zelmarino::cli
