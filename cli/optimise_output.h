// zelmarino-calc --optimise: the nearest standard values and the best ones side by side.
#pragma once

#include "cli/options.h"
#include "cli/run.h"

namespace zelmarino::cli {

// One design, its nearest set of the series and the set the search found, each with its
// check. Exit status 1 when the design cannot be built or no set keeps the return loss.
[[nodiscard]] RunResult runOptimise(const Options& options);

} // namespace zelmarino::cli
