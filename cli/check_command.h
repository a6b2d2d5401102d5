// zelmarino-calc check NETWORK --zin … --zout … --r1 … --r2 … [--r3 …]: the resistors one
// has, analysed in the places of the network's arms.
#pragma once

#include "cli/options.h"
#include "cli/report.h"
#include "cli/run.h"

#include <optional>
#include <span>
#include <string_view>

namespace zelmarino::cli {

// The command line of a check; `arguments` start with "check".
[[nodiscard]] ParsedCommand parseCheck(std::span<const std::string_view> arguments);

// The network as built and its check, laid out as a design's report is (see check_output.h);
// nothing when it cannot be solved.
[[nodiscard]] std::optional<DesignReport> checkNetwork(const CheckOptions& check);

// Loss, port resistances, return losses, VSWR and |Γ| of the network as built and, with
// --power, what each resistor dissipates, in the format asked for.
[[nodiscard]] RunResult runCheck(const CheckOptions& check);

} // namespace zelmarino::cli
