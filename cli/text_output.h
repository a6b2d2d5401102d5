// The text format: a full report for one design, aligned columns for a table.
#pragma once

#include "cli/design_writer.h"
#include "cli/options.h"

#include <memory>

namespace zelmarino::cli {

// Both keep `options`, which must outlive them.
[[nodiscard]] std::unique_ptr<DesignWriter> textReportWriter(const Options& options);
[[nodiscard]] std::unique_ptr<DesignWriter> textTableWriter(const Options& options);

} // namespace zelmarino::cli
