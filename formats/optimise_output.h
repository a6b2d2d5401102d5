// --optimise: the nearest standard values and the best ones side by side, each with its check.
#pragma once

#include "formats/request.h"

#include <string>
#include <string_view>

namespace zelmarino::formats {

// One design whose report holds the search, in the format asked for (text, csv or json).
void writeOptimised(std::string& out, const Options& options, float lossDb,
                    const DesignReport& report);

// The return losses the search keeps: an L matches one port only.
[[nodiscard]] std::string_view floorKept(Network network);

} // namespace zelmarino::formats
