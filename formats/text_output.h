// The text format: a full report for one design, aligned columns for a table.
#pragma once

#include "formats/design_writer.h"
#include "formats/request.h"

#include <memory>

namespace zelmarino::formats {

// Both keep `options`, which must outlive them.
[[nodiscard]] std::unique_ptr<DesignWriter> textReportWriter(const Options& options);
[[nodiscard]] std::unique_ptr<DesignWriter> textTableWriter(const Options& options);

} // namespace zelmarino::formats
