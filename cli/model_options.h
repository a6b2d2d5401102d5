// The options that say what a pad is built of and how its response is reported: the package
// of its resistors or parts of the user's own, the via under a shunt arm, the flatness the
// usable bandwidth keeps, and the Touchstone version a sweep is written in.
#pragma once

#include "cli/options.h"

#include <optional>
#include <string_view>

namespace zelmarino::cli {

// One of design::packages(), by name ("0603", "axial").
[[nodiscard]] std::optional<Refusal> readPackage(std::string_view value, Options& options);

// "L=1nH,C=0.05pF", either part alone or both in either order; henries and farads with
// their prefixes (n, p, f, u, m), 0 or more.
[[nodiscard]] std::optional<Refusal> readParasitics(std::string_view value, Options& options);

// The inductance of a shunt arm's way to ground: "0.3nH", 0 or more.
[[nodiscard]] std::optional<Refusal> readVia(std::string_view value, Options& options);

// A flatness in dB, above 0.
[[nodiscard]] std::optional<Refusal> readFlatness(std::string_view value, Options& options);

// "1.1" or "2.0".
[[nodiscard]] std::optional<Refusal> readTouchstoneVersion(std::string_view value,
                                                           Options& options);

// What the sweep, the model and the bandwidth options cannot do with the rest of the
// command line: a table, a format that has no place for them, options that need another.
[[nodiscard]] std::optional<Refusal> responseRefusal(const Options& options);

} // namespace zelmarino::cli
