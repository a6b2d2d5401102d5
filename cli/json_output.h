// The json format: one object with the design's inputs and a "designs" array, one entry per
// loss. Every key is always there; what was not asked for, or cannot be had, is null.
#pragma once

#include "cli/options.h"
#include "cli/report.h"

#include <span>
#include <string>

namespace zelmarino::cli {

void writeJson(std::string& out, const Options& options, std::span<const DesignReport> reports);

} // namespace zelmarino::cli
