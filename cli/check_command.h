// zelmarino-calc check NETWORK --zin … --zout … --r1 … --r2 … [--r3 …]: the resistors one
// has, analysed in the places of the network's arms.
#pragma once

#include "cli/options.h"
#include "cli/run.h"

#include <span>
#include <string_view>

namespace zelmarino::cli {

// The command line of a check; `arguments` start with "check".
[[nodiscard]] ParsedCommand parseCheck(std::span<const std::string_view> arguments);

// Loss, port resistances and return losses of the network as built, and with --power what
// each resistor dissipates.
[[nodiscard]] RunResult runCheck(const CheckOptions& check);

} // namespace zelmarino::cli
