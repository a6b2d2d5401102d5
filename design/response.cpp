#include "design/response.h"

#include "design/ac_sweep.h"
#include "design/catalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelmarino::design {

namespace {

bool touchesGround(const Resistor& r) {
    return r.from == Node::Ground || r.to == Node::Ground;
}

// The junctions inside two-part arms are numbered past the last of the catalogue's nodes.
constexpr NodeId firstJunction = nodeIdOf(Node::Out2) + 1;

struct Ends {
    NodeId from;
    NodeId to;
};

// An arm of two parts as built, each with its own parasitics: in series, joined at a junction
// of their own; in parallel, side by side. The via is one inductance in the arm's way to the
// ground, shared by both: in series it follows the part at the ground's end, which a modelled
// resistor holds; in parallel both parts meet above it at a junction of their own.
void addPair(AcCircuit& circuit, Ends ends, const Part& pair, const Parasitics& parasitics,
             double viaHenries, NodeId& nextJunction) {
    const auto add = [&](NodeId from, NodeId to, double ohms, double via) {
        circuit.resistors.push_back(
            {from, to, ohms, parasitics.seriesHenries, parasitics.shuntFarads, via});
    };
    const bool groundFirst = ends.from == groundNode;
    if (!pair.parallel) {
        const NodeId junction = nextJunction++;
        add(ends.from, junction, pair.first, groundFirst ? viaHenries : 0.0);
        add(junction, ends.to, *pair.second, groundFirst ? 0.0 : viaHenries);
        return;
    }
    Ends parts = ends;
    if (viaHenries > 0.0) {
        const NodeId above = nextJunction++;
        (groundFirst ? parts.from : parts.to) = above;
        circuit.branches.push_back({Lumped::Inductor, groundFirst ? ends.from : above,
                                    groundFirst ? above : ends.to, viaHenries});
    }
    add(parts.from, parts.to, pair.first, 0.0);
    add(parts.from, parts.to, *pair.second, 0.0);
}

// The ports' check from the scattering matrix at `hz`: the loss is -20 log10 |S21|, each
// return loss -20 log10 |Sii|, and each port's resistance the real part of the impedance it
// shows.
std::optional<PortCheck> checkAt(const BuiltNetwork& built, double hz) {
    const auto s = acSParameters(built.circuit, built.ports, hz);
    if (!s) {
        return std::nullopt;
    }
    const auto seen = [](Complex reflection, double reference) {
        return (reference * (1.0 + reflection) / (1.0 - reflection)).real();
    };
    const Complex s11 = (*s)(0, 0);
    const Complex s22 = (*s)(1, 1);
    const double zin = built.ports.at(0).referenceOhms;
    const double zout = built.ports.at(1).referenceOhms;
    return PortCheck{seen(s11, zin),          seen(s22, zout), -decibelsOf(s11), -decibelsOf(s22),
                     -decibelsOf((*s)(1, 0)), std::abs(s11),   std::abs(s22)};
}

// The S-parameter a bandwidth watches: |S21| in dB and the return losses of the matched
// ports. Nothing where the circuit has no solution.
struct Watched {
    double gainDb;
    double returnLossDb; // the worse of the matched ports'
};

std::optional<Watched> watched(PortSweep& sweep, double hz, Matched matched) {
    const auto s = sweep.at(hz);
    if (!s || s->size() < 2) {
        return std::nullopt;
    }
    double worst = std::numeric_limits<double>::infinity();
    if (matched != Matched::Output) {
        worst = std::min(worst, -decibelsOf((*s)(0, 0)));
    }
    if (matched != Matched::Input) {
        worst = std::min(worst, -decibelsOf((*s)(1, 1)));
    }
    return Watched{decibelsOf((*s)(1, 0)), worst};
}

} // namespace

BuiltNetwork builtNetwork(Network network, std::span<const Resistor> arms,
                          std::span<const Part> parts, double zin, double zout,
                          const PartModel& model, const LineDesign& lines) {
    BuiltNetwork built;
    NodeId nextJunction = firstJunction;
    // The catalogue's whole circuit: a pad that passes straight through has its ports joined
    // by a wire that is no arm.
    const SmallCircuit circuit = circuitOf(network, arms);
    const std::span<const Resistor> resistors(circuit.data(), circuit.size());
    for (std::size_t i = 0; i < resistors.size(); ++i) {
        const Resistor& r = resistors[i];
        if (std::isinf(r.ohms)) {
            continue; // an open arm
        }
        const NodeId from = nodeIdOf(r.from);
        const NodeId to = nodeIdOf(r.to);
        if (model.ideal() || r.ohms == 0.0) {
            built.circuit.branches.push_back({Lumped::Resistor, from, to, r.ohms});
            continue;
        }
        const double via = touchesGround(r) ? model.viaHenries : 0.0;
        if (i >= parts.size() || !parts[i].second) {
            built.circuit.resistors.push_back(
                {from, to, r.ohms, model.parts.seriesHenries, model.parts.shuntFarads, via});
            continue;
        }
        addPair(built.circuit, {from, to}, parts[i], model.parts, via, nextJunction);
    }
    addLines(built.circuit, network, lines);
    const bool balanced = entryOf(network).balanced;
    const NodeId inReturn = nodeIdOf(balanced ? Node::InN : Node::Ground);
    const NodeId outReturn = nodeIdOf(balanced ? Node::OutN : Node::Ground);
    built.ports = {{nodeIdOf(Node::In), inReturn, zin}, {nodeIdOf(Node::Out), outReturn, zout}};
    if (entryOf(network).ports == 3) {
        built.ports.push_back(
            {nodeIdOf(Node::Out2), groundNode, zout}); // a splitter's other output
    }
    return built;
}

BuiltNetwork builtNetworkOf(const Report& report, const PartModel& model) {
    const Design& design = report.design;
    const std::vector<Part> parts = builtParts(report);
    std::vector<Resistor> arms;
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        Resistor r = design.arms[i].resistor;
        r.ohms = parts.at(i).ohms;
        arms.push_back(r);
    }
    return builtNetwork(design.network, arms, parts, design.zin, design.zout, model, design.lines);
}

std::optional<PortCheck> checkAtDesignFrequency(Network network, std::span<const Resistor> arms,
                                                double zin, double zout, const LineDesign& lines) {
    return checkAt(builtNetwork(network, arms, {}, zin, zout, PartModel{}, lines), lines.f0Hz);
}

std::optional<PortCheck> builtCheckAtDesignFrequency(const Report& report, const PartModel& model) {
    if (!hasLines(report.design.network)) {
        return std::nullopt;
    }
    return checkAt(builtNetworkOf(report, model), report.design.lines.f0Hz);
}

std::vector<double> frequencyGrid(double fromHz, double toHz, std::size_t points,
                                  bool logarithmic) {
    if (points == 0 || (logarithmic && !(fromHz > 0.0 && toHz > 0.0))) {
        return {};
    }
    std::vector<double> hz(points);
    const auto last = static_cast<double>(points - 1);
    // Powers of ten, so that a sweep over whole decades lands on 1 MHz, 10 MHz, … exactly.
    const double logFrom = logarithmic ? std::log10(fromHz) : 0.0;
    const double logTo = logarithmic ? std::log10(toHz) : 0.0;
    for (std::size_t i = 0; i < points; ++i) {
        const double t = points == 1 ? 0.0 : static_cast<double>(i) / last;
        hz[i] = logarithmic ? std::pow(10.0, logFrom + (logTo - logFrom) * t)
                            : fromHz + (toHz - fromHz) * t;
    }
    // The ends exactly as asked, whatever the rounding of the steps.
    hz.front() = fromHz;
    if (points > 1) {
        hz.back() = toHz;
    }
    return hz;
}

std::vector<ResponsePoint> sweep(const BuiltNetwork& network, std::span<const double> hz) {
    PortSweep solver(network.circuit, network.ports);
    std::vector<ResponsePoint> points;
    points.reserve(hz.size());
    for (const double f : hz) {
        points.push_back({f, solver.at(f)});
    }
    return points;
}

double decibelsOf(Complex s) {
    return 20.0 * std::log10(std::abs(s));
}

Bandwidth usableBandwidth(const BuiltNetwork& network, Matched matched,
                          const BandwidthLimits& limits) {
    PortSweep solver(network.circuit, network.ports);
    const auto dc = watched(solver, 0.0, matched);
    if (!dc) {
        return {0.0, false};
    }
    const double dcGainDb = dc->gainDb;
    const auto within = [&](double hz) {
        const auto w = watched(solver, hz, matched);
        return w && std::abs(w->gainDb - dcGainDb) <= limits.flatnessDb &&
               w->returnLossDb >= limits.minReturnLossDb;
    };
    if (!within(0.0)) {
        return {0.0, false};
    }
    // A coarse scan up in steps of a 40th of a decade from 1 Hz finds the first frequency out
    // of the limits; bisection then narrows the step it lies in.
    constexpr double stepsPerDecade = 40.0;
    const double ceiling = limits.ceilingHz;
    double good = 0.0;
    double bad = -1.0;
    for (int k = 0;; ++k) {
        const double hz = std::min(std::pow(10.0, k / stepsPerDecade), ceiling);
        if (!within(hz)) {
            bad = hz;
            break;
        }
        good = hz;
        if (hz >= ceiling) {
            return {ceiling, true};
        }
    }
    while (bad - good > 1e-5 * bad) {
        const double middle = good + (bad - good) / 2.0;
        (within(middle) ? good : bad) = middle;
    }
    return {good, false};
}

} // namespace zelmarino::design
