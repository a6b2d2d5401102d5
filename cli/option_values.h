// What the text given to each option means. CLI11 finds the options and their values; these
// read the values, in forms it has no reader for (1k5, FROM:TO:STEP, 27dBm, 1 %), each into
// its part of the options, or say in one line, naming the option and the text, why not.
#pragma once

#include "cli/options.h"
#include "cli/quoted.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelmarino::cli {

// A resistance above 0 ohms, with an SI prefix if wished or in the resistor code (4R7), that
// single precision can hold.
[[nodiscard]] std::optional<Refusal> readImpedance(std::string_view option, std::string_view value,
                                                   float& ohms);
// One loss above 0 dB, or FROM:TO:STEP for a table of at most maximumRows.
[[nodiscard]] std::optional<Refusal> readLosses(std::string_view value, Options& options);
[[nodiscard]] std::optional<Refusal> readSeries(std::string_view value, Options& options);
// A percentage above 0 and below 100, with or without the sign.
[[nodiscard]] std::optional<Refusal> readTolerance(std::string_view value, Options& options);
// Watts with an optional prefix, micro included, and unit ("2", "500m", "500mW", "1uW"), or
// dBm ("27dBm", "-3dBm").
[[nodiscard]] std::optional<Refusal> readPower(std::string_view value, Options& options);
// Watts each resistor may dissipate, with an optional prefix and unit ("0.25", "250mW",
// "250uW").
[[nodiscard]] std::optional<Refusal> readRating(std::string_view value, Options& options);
[[nodiscard]] std::optional<Refusal> readFormat(std::string_view value, Options& options);

// One arm: a resistance, or two in series ("100+47") or in parallel ("220||330"), each
// written as an impedance is (1k5, 2.2k, 4R7, 2.2e+02).
[[nodiscard]] std::optional<Refusal> readArm(std::string_view option, std::string_view value,
                                             design::Part& part);

// A return loss in dB, 0 or more.
[[nodiscard]] std::optional<Refusal> readMinReturnLoss(std::string_view value, Options& options);

// "input" or "output": where an L's shunt arm goes.
[[nodiscard]] std::optional<Refusal> readShuntAt(std::string_view value, Options& options);

// What no one option shows alone, once all are read: a shunt to place on a network that is
// no L, the loss of --db min, a loss the arithmetic cannot design for these impedances, a
// power whose dissipation would overflow, a rating without a power.
[[nodiscard]] std::optional<Refusal> completeOptions(Options& options);

} // namespace zelmarino::cli
