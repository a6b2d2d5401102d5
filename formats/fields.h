// The figures every output format prints, each described once: its name, its unit, how
// precisely it is written and where its value comes from. A new figure is added here and
// appears in the text, csv and json outputs alike.
#pragma once

#include "formats/csv_line.h"
#include "formats/report.h"
#include "formats/request.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::formats {

// How a kind of figure is written: its unit as words take it ("ohm", for csv and json keys)
// and as people read it ("Ω"), and its digits for readers and for machines.
struct Quantity {
    std::string_view key;
    std::string_view symbol;
    bool fixed; // a fixed number of decimals, else significant digits
    int readingDigits;
    int machineDigits;
    bool capped; // a return loss: reported up to returnLossCeilingDb
};

inline constexpr Quantity ohmsQuantity{"ohm", "Ω", false, 6, 9, false};
inline constexpr Quantity lossQuantity{"db", "dB", true, 4, 6, false};
inline constexpr Quantity returnLossQuantity{"db", "dB", true, 2, 6, true};
inline constexpr Quantity wattsQuantity{"w", "W", false, 4, 6, false};
inline constexpr Quantity voltsQuantity{"v", "V", false, 4, 6, false};
inline constexpr Quantity ampsQuantity{"a", "A", false, 4, 6, false};
// A ratio without a unit: |Γ|, the standing-wave ratio.
inline constexpr Quantity ratioQuantity{"", "", false, 5, 9, false};

// For people: "≥ 120" for a return loss at or beyond the ceiling.
[[nodiscard]] std::string readingText(const Quantity& quantity, double value);
// For csv and json: every digit worth keeping.
[[nodiscard]] std::string machineText(const Quantity& quantity, double value);

// A figure of a port check, and of the tolerance worst case where that has one: a range
// (a port resistance, the loss) or the worst single value (a return loss).
struct CheckField {
    std::string_view key;           // "input_return_loss", followed by the unit's key
    std::string_view label;         // "Input return loss", followed by the unit's symbol
    std::string_view tableHeading;  // the column of a text table; empty when not shown there
    std::string_view seriesHeading; // the same for the standard values, after the series name
    const Quantity* quantity;
    double (*value)(const PortCheck&);
    Range (*worstRange)(const WorstCase&);  // null for a single worst value
    double (*worstValue)(const WorstCase&); // null for a range
};

// In the order the checks list them. The worst case lists the loss first, as it is what the
// tolerances mostly move: see worstCaseOrder.
extern const std::array<CheckField, 9> checkFields;

// The check fields in the worst case's order.
[[nodiscard]] std::array<const CheckField*, checkFields.size()> worstCaseOrder();

// "input_return_loss_db", "input_vswr".
[[nodiscard]] std::string fieldKey(const CheckField& field);

// "Input return loss (dB)", "Input VSWR".
[[nodiscard]] std::string fieldLabel(const CheckField& field);

// A port check's csv columns: each figure, and beside each return loss whether it is capped
// ("input_return_loss_capped": yes or no). Empty fields without a check.
void addCsvCheckHeadings(Line& line, std::string_view prefix);
void addCsvCheck(Line& line, const std::optional<PortCheck>& check);

// An arm's place, so that a row read alone says which arm is which: "r1_kind" (series, shunt
// or bridge) and "r1_side" (input, output, middle, or between the ports).
void addArmPlaceHeadings(Line& line, const Arm& arm);
void addArmPlace(Line& line, const Arm& arm);

// The csv dialect the options ask for.
[[nodiscard]] CsvDialect csvDialect(const Options& options);

// Where an L's shunt arm is ("input", "output"); empty for the other networks.
[[nodiscard]] std::string_view shuntAtText(const Options& options);

// A standard value, or what stands in an arm beyond any part: "open", "link (0 Ω)" for
// people; "open", "0" for csv.
[[nodiscard]] std::string standardReading(double ohms);
[[nodiscard]] std::string standardMachine(double ohms);

// "r1": an arm's name as csv and json keys begin with it.
[[nodiscard]] std::string armKey(std::string_view armName);

// A figure per arm when the source's power is given.
struct ArmPowerField {
    std::string_view key;         // "dissipation", followed by the unit's key in json
    std::string_view label;       // "Dissipation"
    std::string_view tableLetter; // "P", before the arm's name in a text table's heading
    std::string_view columnKey;   // "w", after the arm's name in a csv heading
    const Quantity* quantity;
    bool rated;                                            // shown only with --rating
    double (*value)(const DesignReport&, std::size_t arm); // one that has its power
    double (*partValue)(const design::PartLoad&);          // one resistor of a two-part arm
};

extern const std::array<ArmPowerField, 4> armPowerFields;

// The fields the options ask for, in the table's order.
[[nodiscard]] std::vector<const ArmPowerField*> shownArmPowerFields(const Options& options);

} // namespace zelmarino::formats
