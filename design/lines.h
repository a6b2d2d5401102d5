// The lines of the networks designed for a frequency: each a quarter wave at f0, drawn as an
// ideal line or as its lumped equivalent, and added to a circuit in the catalogue's places.
#pragma once

#include "design/ac_circuit.h"
#include "design/network.h"

#include <vector>

namespace zelmarino::design {

enum class LineModel { Ideal, Lumped };

// What a network's lines are: their impedances in the catalogue's order, the frequency they
// are a quarter wave at, and how they are drawn.
struct LineDesign {
    std::vector<double> ohms;
    double f0Hz = 0.0;
    LineModel model = LineModel::Ideal;
};

// The lumped equivalent of a quarter-wave line of impedance z at f0: a series inductance
// z / ω0 with a capacitance 1 / (z ω0) to ground at each end. Its ABCD matrix at f0 is the
// line's, [[0, jz], [j/z, 0]], exactly; away from f0 it is a low-pass section, not a line.
struct LumpedLine {
    double henries;
    double farads; // at each end
};

[[nodiscard]] LumpedLine lumpedLineOf(double ohms, double f0Hz);

// The network's lines, as `lines` draws them, added to `circuit`. Nothing for a network
// without lines.
void addLines(AcCircuit& circuit, Network network, const LineDesign& lines);

} // namespace zelmarino::design
