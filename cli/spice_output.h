// The spice format: one .subckt per design with the ports in, out and ref (a balanced pad:
// inp, inn, outp, outn), holding the exact resistors or, with --series, the standard ones;
// comments say what each one is.
#pragma once

#include "cli/design_writer.h"
#include "cli/options.h"

#include <memory>

namespace zelmarino::cli {

// Keeps `options`, which must outlive it.
[[nodiscard]] std::unique_ptr<DesignWriter> spiceWriter(const Options& options);

} // namespace zelmarino::cli
