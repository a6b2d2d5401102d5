// --freq: the frequencies a design as built is swept over, one in hertz ("1G", "100k",
// "1GHz") or FROM:TO:POINTS from FROM to TO inclusive, evenly spaced or, with ":log" after
// them, evenly spaced in their logarithm.
#pragma once

#include "cli/options.h"

#include <optional>
#include <string_view>

namespace zelmarino::cli {

inline constexpr std::size_t maximumFrequencies = 100'000;

[[nodiscard]] std::optional<Refusal> readFrequencies(std::string_view value, Options& options);

} // namespace zelmarino::cli
