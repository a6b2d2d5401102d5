// Small pieces that every output format shares.
#pragma once

#include "design/resistor_model.h"
#include "formats/report.h"
#include "text/entry_text.h"

#include <string>
#include <string_view>

namespace zelmarino::formats {

// Return losses are reported up to this: beyond it a port is matched to better than one part
// in a million, and the figure would only measure rounding noise.
inline constexpr double returnLossCeilingDb = 120.0;

[[nodiscard]] double cappedReturnLoss(double db);

// Appends each part in turn, without the temporaries that chains of + would make.
template <typename... Parts> void append(std::string& out, const Parts&... parts) {
    (out.append(std::string_view(parts)), ...);
}

// "R2", "R1 and R3".
[[nodiscard]] std::string negativeArmNames(const DesignReport& report);

// "R1 shunt across the input port, R2 series, R3 shunt across the output port".
[[nodiscard]] std::string armRoles(const Design& design);

// An arm as one builds it: "220", "100+47" (in series), "220||330" (in parallel), "open".
[[nodiscard]] std::string partText(const design::Part& part);

// What each resistor of a modelled pad is built of, for a comment: "0603, 5.2e-10 H in
// series and 4e-14 F across each resistor, 0 H under each shunt arm".
[[nodiscard]] std::string partsText(const design::PartModel& model);

} // namespace zelmarino::formats
