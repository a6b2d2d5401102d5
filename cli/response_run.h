// A single design's response as built: what the parasitics of its parts and a sweep add to
// its report, and the formats that write the response alone (csv and json with --freq or
// --bandwidth, touchstone).
#pragma once

#include "cli/options.h"
#include "formats/response_output.h"

#include <functional>
#include <string>

namespace zelmarino::cli {

// Whether a run writes a response: a sweep, a Touchstone file, a bandwidth, or a text report
// of modelled parts.
[[nodiscard]] bool hasResponse(const Options& options);

// The values as built, the bandwidths asked for and the sweep of --freq, found by analysis.
[[nodiscard]] formats::Response responseOf(const Options& options,
                                           const formats::DesignReport& report);

// The output of a design with a response: as text, the report `writeReport` appends, then the
// bandwidths and the sweep (or with --bandwidth the bandwidth alone); in the other formats
// the response alone.
void writeWithResponse(std::string& out, const Options& options,
                       const formats::DesignReport& report,
                       const std::function<void(std::string&)>& writeReport);

} // namespace zelmarino::cli
