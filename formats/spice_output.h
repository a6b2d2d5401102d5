// The spice format: one .subckt per design with the ports in, out and ref (a balanced pad:
// inp, inn, outp, outn), holding the exact resistors or, with --series, the standard ones;
// comments say what each one is.
#pragma once

#include "formats/design_writer.h"
#include "formats/request.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::formats {

// Keeps `options`, which must outlive it.
[[nodiscard]] std::unique_ptr<DesignWriter> spiceWriter(const Options& options);

// A node as the subcircuit names it: "in", "mid", "out", "out2" and the reference pin "ref";
// a balanced network's "inp", "inn", "midp", "midn", "outp" and "outn".
[[nodiscard]] std::string_view subcircuitNodeName(Node node, bool balanced);

// A name SPICE reads as one word: letters, digits and underscores, "p" for the point.
[[nodiscard]] std::string spiceWord(std::string_view text);

// The .subckt lines of `design` as wired, named `name`, with the parts in `built` in place of
// the arms' own if given; the comments before them are the caller's. Each resistor is built
// of `model`: its inductance in series, its capacitance across both, and the via's inductance
// between a shunt arm and the ground, as the response is found.
void writeSubcircuitBody(std::string& out, const std::string& name, const Design& design,
                         const std::optional<std::vector<design::Part>>& built,
                         const design::PartModel& model = {});

} // namespace zelmarino::formats
