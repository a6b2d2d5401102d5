// The csv format: one header line, then one line per design, for spreadsheets. Every
// design of a table has the same columns; those of options not given are left out.
#pragma once

#include "cli/options.h"
#include "cli/report.h"

#include <span>
#include <string>

namespace zelmarino::cli {

void writeCsv(std::string& out, const Options& options, std::span<const DesignReport> reports);

} // namespace zelmarino::cli
