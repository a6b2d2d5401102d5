// One evaluation of an attenuator, whether designed for a loss or built from the resistors a
// user has: its arms named and placed as the catalogue lists them, its check by nodal
// analysis and, as asked, its standard values, the optimised set, the tolerance worst case,
// the power each arm dissipates and the source power each tolerates. Every program that
// reports a design reports this.
#pragma once

#include "design/catalogue.h"
#include "design/e_series.h"
#include "design/lines.h"
#include "design/optimise.h"
#include "design/two_port.h"
#include "design/worst_case.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelmarino::design {

struct Request {
    Network network = Network::Pi;
    float zin = 0.0F; // ohms, single precision as the window holds them
    float zout = 0.0F;
    ShuntAt shuntAt = ShuntAt::Output; // an L's
    bool shuntChosen = false;          // placed by the user rather than by default
    std::optional<ESeries> series;
    bool optimise = false;           // search the series for the set closest to the loss
    bool pairs = false;              // an arm may be two standard values
    double minReturnLossDb = 30.0;   // what the search keeps at the ports the network matches
    std::optional<double> tolerance; // a fraction: 0.01 for 1 %
    std::optional<double> availableWatts;
    std::optional<double> ratingWatts; // what each resistor may dissipate
    // The networks with lines: the frequency they are a quarter wave at, how they are drawn,
    // and the reflection attenuator's root.
    std::optional<double> f0Hz;
    LineModel lineModel = LineModel::Ideal;
    Root root = Root::Low;
};

struct ReportArm {
    const ArmEntry* entry; // its name, role and side
    Resistor resistor;     // placed, with the exact value or the one given
    Part given;            // as the user has it: one resistor, or two in series or parallel
};

struct Design {
    Network network;
    // As asked: every circuit is wired with its input facing Zin.
    float zin;
    float zout;
    float lossDb;         // asked for, or for resistors given, the loss they make
    bool portsExchanged;  // the window shows Zin and Zout exchanged (a T with Zin < Zout)
    double minimumLossDb; // below it some arm is negative; 0 for equal impedances
    bool shownInWindow;   // the window has this network, placed this way
    std::vector<ReportArm> arms;
    LineDesign lines{}; // a network's lines at its design frequency; none for the others
};

// What one resistor of a two-part arm carries.
struct PartLoad {
    double ohms;
    double watts;
    double volts;
    double amps;
    double toleratedWatts; // the source power before it dissipates its rating; with a rating
};

struct Report {
    Design design;
    std::vector<std::size_t> negative{}; // indices into design.arms; empty when it can be built
    std::optional<PortCheck> exact{};
    // Only for a network that can be built; the same order as the arms. An arm beyond any
    // part is open (infinite) or a link (0).
    std::optional<std::vector<double>> standardOhms{};
    std::optional<PortCheck> standard{};
    bool searched = false;                  // the optimiser ran
    std::optional<StandardSet> optimised{}; // what it found, if anything
    // Around the values that would be built: the optimised set, else the standard values,
    // else the exact ones.
    std::optional<WorstCase> worst{};
    std::optional<PowerShare> power{};
    // With a rating: the most power the source may make available before each arm dissipates
    // it, in the arms' order; for an arm of two resistors, before either does.
    std::optional<std::vector<double>> toleratedWatts{};
    // Where an arm is two resistors, each one's own load, first then second; in the arms' order.
    std::vector<std::optional<std::array<PartLoad, 2>>> partLoads{};

    [[nodiscard]] bool realisable() const { return negative.empty(); }
};

// A rating so large that the source power an arm tolerates is beyond any double.
struct RatingOutOfRange {};

// Why a request cannot be evaluated at all: the bridged T is matched only between equal
// impedances, only an L has a shunt to place, a power's dissipation would overflow, a network
// of lines needs its design frequency and is analysed there alone (not for the DC search, worst
// case or dissipation, nor with resistors given, whose lines are not known).
// The reason is in words for the user of either program, naming none of their controls; a
// program that names its own (the command line's --f0) words it by its subject.
struct Objection {
    // Of a network of lines: it has no design frequency (Frequency), it is asked for what
    // only the DC analysis does (DcAnalysis), or its resistors are given (LinesGiven).
    enum class Subject { Impedances, Shunt, Power, Frequency, DcAnalysis, LinesGiven };
    Subject subject;
    std::string reason;
};

// Nothing when the request can be evaluated. `given` says whether the resistors are the
// user's, which may be analysed between any impedances.
[[nodiscard]] std::optional<Objection> objection(const Request& request, bool given);

// The design for a loss. Throws FloatError where the window's arithmetic fails,
// RatingOutOfRange where the tolerated power would overflow.
[[nodiscard]] Report evaluateDesign(const Request& request, float lossDb);

// The resistors a user has, in the order of the network's arms. Nothing when the count is not
// the network's or the circuit cannot be solved. Throws RatingOutOfRange.
[[nodiscard]] std::optional<Report> evaluateGiven(const Request& request,
                                                  std::span<const Part> given);

// The parts a report would have built, in the arms' order: the optimised set, else the standard
// values one part each, else the arms as given (the exact values, one part each).
[[nodiscard]] std::vector<Part> builtParts(const Report& report);

// Watts for a power in dBm.
[[nodiscard]] double wattsOfDbm(double dbm);

// One resistor, or two in series or in parallel ("100+47", "220||330"); a wire in parallel
// with anything is a wire.
[[nodiscard]] Part partOf(double first, std::optional<double> second, bool parallel);

} // namespace zelmarino::design
