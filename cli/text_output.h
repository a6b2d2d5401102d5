// The text format: a full report for one design, aligned columns for a table.
#pragma once

#include "cli/options.h"
#include "cli/report.h"

#include <span>
#include <string>

namespace zelmarino::cli {

void writeTextReport(std::string& out, const Options& options, const DesignReport& report);
void writeTextTable(std::string& out, const Options& options,
                    std::span<const DesignReport> reports);

} // namespace zelmarino::cli
