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

BuiltNetwork builtNetwork(Network network, std::span<const Resistor> arms, double zin, double zout,
                          const PartModel& model, const LineDesign& lines) {
    BuiltNetwork built;
    // The catalogue's whole circuit: a pad that passes straight through has its ports joined
    // by a wire that is no arm.
    for (const Resistor& r : circuitOf(network, arms)) {
        if (std::isinf(r.ohms)) {
            continue; // an open arm
        }
        const NodeId from = nodeIdOf(r.from);
        const NodeId to = nodeIdOf(r.to);
        if (model.ideal() || r.ohms == 0.0) {
            built.circuit.branches.push_back({Lumped::Resistor, from, to, r.ohms});
            continue;
        }
        built.circuit.resistors.push_back({from, to, r.ohms, model.parts.seriesHenries,
                                           model.parts.shuntFarads,
                                           touchesGround(r) ? model.viaHenries : 0.0});
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
    std::vector<Resistor> arms;
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        Resistor r = design.arms[i].resistor;
        if (report.optimised) {
            r.ohms = report.optimised->arms.at(i).ohms;
        } else if (report.standardOhms) {
            r.ohms = report.standardOhms->at(i);
        }
        arms.push_back(r);
    }
    return builtNetwork(design.network, arms, design.zin, design.zout, model, design.lines);
}

std::optional<PortCheck> checkAtDesignFrequency(Network network, std::span<const Resistor> arms,
                                                double zin, double zout, const LineDesign& lines) {
    const BuiltNetwork built = builtNetwork(network, arms, zin, zout, PartModel{}, lines);
    const auto s = acSParameters(built.circuit, built.ports, lines.f0Hz);
    if (!s) {
        return std::nullopt;
    }
    const auto seen = [](Complex reflection, double reference) {
        return (reference * (1.0 + reflection) / (1.0 - reflection)).real();
    };
    const Complex s11 = (*s)(0, 0);
    const Complex s22 = (*s)(1, 1);
    return PortCheck{seen(s11, zin),          seen(s22, zout), -decibelsOf(s11), -decibelsOf(s22),
                     -decibelsOf((*s)(1, 0)), std::abs(s11),   std::abs(s22)};
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
