// The json format: one object with the design's inputs and a "designs" array, one entry per
// loss. Every key is always there; what was not asked for, or cannot be had, is null.
#pragma once

#include "cli/design_writer.h"
#include "cli/options.h"

#include <memory>

namespace zelmarino::cli {

// Keeps `options`, which must outlive it.
[[nodiscard]] std::unique_ptr<DesignWriter> jsonWriter(const Options& options);

} // namespace zelmarino::cli
