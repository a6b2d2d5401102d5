// The json format: one object with the design's inputs and a "designs" array, one entry per
// loss. Every key is always there; what was not asked for, or cannot be had, is null.
#pragma once

#include "formats/design_writer.h"
#include "formats/request.h"

#include <memory>

namespace zelmarino::formats {

// Keeps `options`, which must outlive it.
[[nodiscard]] std::unique_ptr<DesignWriter> jsonWriter(const Options& options);

} // namespace zelmarino::formats
