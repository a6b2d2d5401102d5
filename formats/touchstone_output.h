// The touchstone format: one Touchstone file for one design as built, its S-parameters found
// by nodal analysis at each frequency of --freq, with the parasitics of its parts. Version
// 2.0 refers each port to its own impedance (Zin, Zout); version 1.1 has one reference for
// all, Zin, to which the sweep was renormalised, so that older readers read it as written.
#pragma once

#include "formats/report.h"
#include "formats/request.h"
#include "formats/response_output.h"

#include <string>

namespace zelmarino::formats {

void writeTouchstone(std::string& out, const Options& options, const DesignReport& report,
                     const Response& response);

} // namespace zelmarino::formats
