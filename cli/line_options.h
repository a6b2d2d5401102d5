// The options of the networks designed for a frequency: the frequency their lines are a
// quarter wave at, whether those lines are drawn ideal or lumped, and the reflection
// attenuator's root.
#pragma once

#include "cli/options.h"

#include <optional>
#include <string_view>

namespace zelmarino::cli {

// A frequency above 0 Hz, read as --freq reads one: "1G", "2.4GHz".
[[nodiscard]] std::optional<Refusal> readF0(std::string_view value, Options& options);

// "ideal" or "lumped".
[[nodiscard]] std::optional<Refusal> readLineModel(std::string_view value, Options& options);

// "low" or "high".
[[nodiscard]] std::optional<Refusal> readRoot(std::string_view value, Options& options);

// These options given to a network that has no use for them, or the usable bandwidth asked of
// a network that is what it is at its design frequency alone.
[[nodiscard]] std::optional<Refusal> lineRefusal(const Options& options);

} // namespace zelmarino::cli
