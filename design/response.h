// A pad as built, at any frequency: its resistors with the parasitics of their package, the
// lines and hybrids of the networks that have them, and its ports; the response it has over a
// span of frequencies and the usable bandwidth a bench would measure.
#pragma once

#include "design/ac_circuit.h"
#include "design/evaluation.h"
#include "design/resistor_model.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace zelmarino::design {

// A circuit with its ports, input first, then output (and a splitter's second output).
struct BuiltNetwork {
    AcCircuit circuit;
    std::vector<AcPort> ports;
};

// The network as built from the arms given, in the catalogue's order and places, each arm
// one resistor of `model` or, where `parts` says so, two of them in series or in parallel;
// an arm past the end of `parts` is one resistor. A via is one inductance in an arm's way to
// the ground, however many parts the arm has. Ideal parts make every arm one resistor of its
// value. The ports are referred to Zin and Zout (every output of a splitter to Zout). A
// network designed for a frequency has its `lines` too.
[[nodiscard]] BuiltNetwork builtNetwork(Network network, std::span<const Resistor> arms,
                                        std::span<const Part> parts, double zin, double zout,
                                        const PartModel& model, const LineDesign& lines = {});

// The values a report would have built: the optimised set, else the standard values, else
// the exact ones (or the user's), each arm of the parts it has.
[[nodiscard]] BuiltNetwork builtNetworkOf(const Report& report, const PartModel& model);

// The check of a network with lines, which only its design frequency can give: the ports of
// the ideal resistors and the lines at f0, from the scattering matrix there. The loss is
// -20 log10 |S21|, each return loss -20 log10 |Sii|, and each port's resistance the real part
// of the impedance it shows (it has none other at f0 when matched). Nothing when the circuit
// has no solution there.
[[nodiscard]] std::optional<PortCheck> checkAtDesignFrequency(Network network,
                                                              std::span<const Resistor> arms,
                                                              double zin, double zout,
                                                              const LineDesign& lines);

// The same check of a report's network with lines as builtNetworkOf builds it, its parts of
// `model`: what a bench would measure at f0. Nothing for a network without lines.
[[nodiscard]] std::optional<PortCheck> builtCheckAtDesignFrequency(const Report& report,
                                                                   const PartModel& model);

// The frequencies of a sweep: `points` of them from `fromHz` to `toHz` inclusive, evenly
// spaced or, if `logarithmic`, evenly spaced in their logarithm (then fromHz > 0).
[[nodiscard]] std::vector<double> frequencyGrid(double fromHz, double toHz, std::size_t points,
                                                bool logarithmic);

// One frequency of a response: the scattering matrix, nothing where the circuit has no
// solution there (an isolated resonance).
struct ResponsePoint {
    double hz;
    std::optional<PortMatrix> s;
};

[[nodiscard]] std::vector<ResponsePoint> sweep(const BuiltNetwork& network,
                                               std::span<const double> hz);

// 20 log10 |s|: the gain in decibels, negative for a loss; -infinity for 0.
[[nodiscard]] double decibelsOf(Complex s);

struct BandwidthLimits {
    double flatnessDb = 0.1;      // the loss may leave its DC value by this much
    double minReturnLossDb = 30.; // at each port the network is matched at
    double ceilingHz = 1e12;      // the search stops here
};

// The highest frequency up to which the loss stays within the flatness of its DC value and
// the return losses at or above the floor. Its ceiling when it never leaves them; 0 when it
// is outside them already at DC.
struct Bandwidth {
    double hz;
    bool beyondCeiling;
};

[[nodiscard]] Bandwidth usableBandwidth(const BuiltNetwork& network, Matched matched,
                                        const BandwidthLimits& limits);

} // namespace zelmarino::design
