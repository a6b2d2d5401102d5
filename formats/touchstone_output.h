// The touchstone format: one Touchstone 2.0 two-port file for one design, its S-parameters
// found by nodal analysis with Zin and Zout as the two ports' reference resistances, at each
// frequency of --freq (a resistive pad is the same at all of them).
#pragma once

#include "formats/report.h"
#include "formats/request.h"

#include <string>

namespace zelmarino::formats {

void writeTouchstone(std::string& out, const Options& options, const DesignReport& report);

} // namespace zelmarino::formats
