// The IEC 60063 series of preferred resistor values, as the standard lists them: E6 to E24
// with two significant digits, E48 to E192 with three. The lists are the published ones,
// not 10^(i/n) rounded, which differs from them in several places (E24's 2.7 to 4.7 and 8.2,
// E192's 9.20).
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zelmarino::design {

enum class ESeries { E6, E12, E24, E48, E96, E192 };

[[nodiscard]] std::string_view seriesName(ESeries series);
[[nodiscard]] std::optional<ESeries> seriesNamed(std::string_view name);

// The values of one decade as whole numbers: 10 to 82 for E12, 100 to 988 for E192.
[[nodiscard]] std::span<const int> seriesDecade(ESeries series);

// The value of the series nearest to `ohms` by ratio, in whatever decade it lies, so that
// 9.6 goes up to 10 in E24. A geometric tie goes to the lower value. Zero stays zero (a
// wire is standard), and so does anything that is not a positive finite value.
[[nodiscard]] double nearestStandard(double ohms, ESeries series);

} // namespace zelmarino::design
