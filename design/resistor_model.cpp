#include "design/resistor_model.h"

#include <array>

namespace zelmarino::design {

namespace {

// No maker we could consult publishes one table of both parasitics for every thick-film chip
// size, so the values come from two published sources and a textbook formula:
//
// - Shunt capacitance of the chips: the lumped model fitted to measured chips in "Frequency
//   Response of Thin Film Chip Resistors", a technical note of Vishay Intertechnology (its
//   Vishay Thin Film measurements from 0.1 GHz to 40 GHz; our copy bears no year). It gives
//   about 0.021 pF for an 0201, 0.039 pF for a wrap-around 0402 and 0.040 pF for an 0603.
//   The capacitance is that of the alumina body between the two terminations, so a thick-film
//   chip of the same size and wrap-around terminations has the same; we take those three as
//   they are. The 0805, 1206 and 2512 are not in the note: we scale the 0603's in proportion
//   to the width of the terminations (0.8, 1.25, 1.6 and 3.2 mm), whose facing edges carry
//   the field, the longer gap between them changing it far less.
// - Series inductance of the chips: the note's thin-film chips have an optimised trim and
//   almost none, while a thick-film chip's current crosses its whole body. We take the
//   partial inductance of a flat bar of the chip's length, width and thickness,
//   L = 0.2 l [ln(2l / (w + t)) + 0.5 + 0.2235 (w + t) / l] nH with l, w, t in mm, from
//   F. W. Grover, "Inductance Calculations" (Van Nostrand 1946, Dover reprint 2004), for the
//   common sizes 0.6 x 0.3 x 0.23, 1.0 x 0.5 x 0.35, 1.6 x 0.8 x 0.45, 2.0 x 1.25 x 0.5,
//   3.2 x 1.6 x 0.55 and 6.4 x 3.2 x 0.55 mm. These are derived, not measured; the pads and
//   the via of a real board add to them (see PartModel::viaHenries).
// - The axial lead: M. Brinson, "Subcircuit and Verilog-A RF Circuit Models for Axial and
//   Surface Mounted Resistors", Qucs documentation (London Metropolitan University, 2014-2015),
//   whose typical 51 ohm metal-film axial resistor has Ls = 8 nH and Cp = 1 pF with 1 nH in
//   each lead: 10 nH in series, 1 pF across. (Its model puts Cp across the body only; across
//   the leads too, as here, it differs only far above the axial part's usable range.)
// In henries and farads, each written as its figure so that it is the double nearest it and a
// SPICE file prints it so ("5.2e-10", not the product's "5.200000000000001e-10").
constexpr std::array table = {
    Package{"0201", "0201 thick-film chip", {0.18e-9, 0.021e-12}},
    Package{"0402", "0402 thick-film chip", {0.31e-9, 0.039e-12}},
    Package{"0603", "0603 thick-film chip", {0.52e-9, 0.040e-12}},
    Package{"0805", "0805 thick-film chip", {0.61e-9, 0.063e-12}},
    Package{"1206", "1206 thick-film chip", {1.11e-9, 0.081e-12}},
    Package{"2512", "2512 thick-film chip", {2.38e-9, 0.16e-12}},
    Package{"axial", "1/4 W axial-lead metal film", {10.0e-9, 1.0e-12}},
};

} // namespace

std::span<const Package> packages() {
    return table;
}

const Package* packageNamed(std::string_view name) {
    for (const Package& p : table) {
        if (p.name == name) {
            return &p;
        }
    }
    return nullptr;
}

std::string packageList() {
    std::string list;
    for (const Package& p : table) {
        if (!list.empty()) {
            list += ", ";
        }
        list += p.name;
    }
    return list;
}

} // namespace zelmarino::design
