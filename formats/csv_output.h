// The csv format: one header line, then one line per design, for spreadsheets. Every
// design of a table has the same columns; those of options not given are left out.
#pragma once

#include "formats/design_writer.h"
#include "formats/request.h"

#include <memory>

namespace zelmarino::formats {

// Keeps `options`, which must outlive it.
[[nodiscard]] std::unique_ptr<DesignWriter> csvWriter(const Options& options);

} // namespace zelmarino::formats
