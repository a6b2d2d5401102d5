// The spice format: one .subckt per design with the ports in, out and ref, holding the
// exact resistors or, with --series, the standard ones; comments say what each one is.
#pragma once

#include "cli/options.h"
#include "cli/report.h"

#include <span>
#include <string>

namespace zelmarino::cli {

void writeSpice(std::string& out, const Options& options, std::span<const DesignReport> reports);

} // namespace zelmarino::cli
