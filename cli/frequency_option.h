// --freq: the frequencies at which a Touchstone file lists the network, one in hertz
// ("1G", "100k", "1GHz") or FROM:TO:POINTS, evenly spaced from FROM to TO inclusive.
#pragma once

#include "cli/options.h"

#include <optional>
#include <string_view>

namespace zelmarino::cli {

inline constexpr std::size_t maximumFrequencies = 100'000;

[[nodiscard]] std::optional<Refusal> readFrequencies(std::string_view value, Options& options);

} // namespace zelmarino::cli
