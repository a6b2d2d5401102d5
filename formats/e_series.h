// The series of preferred values by the names the command line takes and prints ("E24").
// The series themselves are the design library's.
#pragma once

#include "design/e_series.h"

namespace zelmarino::formats {

using ESeries = design::ESeries;
using design::seriesName;
using design::seriesNamed;

} // namespace zelmarino::formats
