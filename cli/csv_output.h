// The csv format: one header line, then one line per design, for spreadsheets. Every
// design of a table has the same columns; those of options not given are left out.
#pragma once

#include "cli/design_writer.h"
#include "cli/options.h"

#include <memory>

namespace zelmarino::cli {

// Keeps `options`, which must outlive it.
[[nodiscard]] std::unique_ptr<DesignWriter> csvWriter(const Options& options);

} // namespace zelmarino::cli
