#include "design/evaluation.h"

#include "design/attenuator.h"
#include "design/response.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <utility>

namespace zelmarino::design {

namespace {

bool inLowerLeg(const Resistor& r) {
    const auto lower = [](Node node) {
        return node == Node::InN || node == Node::MiddleN || node == Node::OutN;
    };
    return lower(r.from) && lower(r.to);
}

// The designed arms in the catalogue's order, each matched by its role and leg, so that R1 is
// the same arm whichever of Zin and Zout is larger.
std::vector<ReportArm> inCatalogueOrder(const Attenuator& wired, ShuntAt shunt) {
    const std::span<const ArmEntry> entries = armsOf(wired.network, shunt);
    std::vector<ReportArm> arms;
    std::vector<bool> taken(wired.arms.size(), false);
    for (const ArmEntry& entry : entries) {
        for (std::size_t i = 0; i < wired.arms.size(); ++i) {
            const Arm& arm = wired.arms[i];
            if (!taken[i] && arm.role == entry.role &&
                inLowerLeg(arm.resistor) == (entry.leg == Leg::Lower)) {
                taken[i] = true;
                const double ohms = arm.resistor.ohms;
                arms.push_back({&entry, {entry.from, entry.to, ohms}, {ohms, ohms, std::nullopt}});
                break;
            }
        }
    }
    return arms;
}

std::vector<Resistor> resistorsOf(const std::vector<ReportArm>& arms) {
    std::vector<Resistor> resistors;
    resistors.reserve(arms.size());
    for (const ReportArm& arm : arms) {
        resistors.push_back(arm.resistor);
    }
    return resistors;
}

// Beyond these an arm is no resistor one fits: it changes the ports by less than a part in a
// million, the return loss the reports call a perfect match.
constexpr double beyondAnyPart = 1e6;

// What stands in an arm beyond any part: an open arm, or a link.
std::optional<double> beyondParts(double ohms, double zin, double zout) {
    if (ohms >= beyondAnyPart * std::max(zin, zout)) {
        return std::numeric_limits<double>::infinity();
    }
    if (ohms <= std::min(zin, zout) / beyondAnyPart) {
        return 0.0;
    }
    return std::nullopt;
}

// The arm each arm must equal: the first of a balanced network's two halves.
std::vector<std::size_t> halvesTied(const std::vector<ReportArm>& arms) {
    std::vector<std::size_t> sameAs(arms.size());
    for (std::size_t i = 0; i < arms.size(); ++i) {
        sameAs[i] = i;
        for (std::size_t j = 0; j < i; ++j) {
            if (arms[i].entry->leg == Leg::Lower && arms[j].entry->leg == Leg::Upper &&
                arms[j].entry->role == arms[i].entry->role) {
                sameAs[i] = j;
                break;
            }
        }
    }
    return sameAs;
}

SearchGoal searchGoal(const Request& request, double lossDb, const std::vector<ReportArm>& arms) {
    const Matched matched = entryOf(request.network).matched;
    return {lossDb,
            request.minReturnLossDb,
            *request.series,
            request.pairs,
            matchesInput(matched),
            matchesOutput(matched),
            halvesTied(arms),
            arms.size()};
}

// Each part's load where an arm is two resistors: they share its current in series, its
// voltage in parallel.
std::optional<std::array<PartLoad, 2>> partLoads(const Part& part, const PowerShare& share,
                                                 std::size_t arm, const Request& request) {
    if (!part.second || !(part.ohms > 0.0)) {
        return std::nullopt;
    }
    const double volts = share.resistorVolts[arm];
    const double amps = share.resistorAmps[arm];
    std::array<PartLoad, 2> loads{};
    const std::array<double, 2> ohms = {part.first, *part.second};
    for (std::size_t k = 0; k < 2; ++k) {
        PartLoad& load = loads.at(k);
        load.ohms = ohms.at(k);
        load.volts = part.parallel ? volts : amps * load.ohms;
        load.amps = part.parallel ? volts / load.ohms : amps;
        load.watts = load.volts * load.amps;
        load.toleratedWatts = request.ratingWatts && load.watts > 0.0
                                  ? *request.availableWatts * (*request.ratingWatts / load.watts)
                                  : std::numeric_limits<double>::infinity();
    }
    return loads;
}

// Dissipation, voltage and current of the network to be built and, with a rating, the
// source power each arm tolerates before its hottest part reaches it.
void addPower(Report& report, const Request& request, std::span<const Resistor> built,
              std::span<const Part> parts) {
    const double zin = report.design.zin;
    const double zout = report.design.zout;
    report.power = dissipation(checkedCircuit(request.network, built, zout), zin, zout,
                               *request.availableWatts);
    if (!report.power) {
        return;
    }
    // What the circuit has besides its arms dissipates nothing of theirs.
    report.power->resistorWatts.resize(built.size());
    report.power->resistorVolts.resize(built.size());
    report.power->resistorAmps.resize(built.size());
    PowerShare hottest = *report.power;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto loads = partLoads(parts[i], *report.power, i, request);
        report.partLoads.push_back(loads);
        if (loads) {
            hottest.resistorWatts[i] = std::max(loads->at(0).watts, loads->at(1).watts);
        }
    }
    if (!request.ratingWatts) {
        return;
    }
    report.toleratedWatts =
        toleratedSourceWatts(hottest, *request.availableWatts, *request.ratingWatts);
    for (std::size_t i = 0; i < built.size(); ++i) {
        // An overflow, not an answer; an arm that dissipates nothing tolerates any power.
        if (hottest.resistorWatts[i] > 0.0 && std::isinf(report.toleratedWatts->at(i))) {
            throw RatingOutOfRange{};
        }
    }
}

} // namespace

std::optional<Objection> objection(const Request& request, bool given) {
    using enum Objection::Subject;
    const NetworkEntry& entry = entryOf(request.network);
    if (!given && entry.equalImpedancesOnly && request.zin != request.zout) {
        // "Bridged T attenuator" is a bridged T, named by its letter as engineers say; every
        // other keeps its whole title: a reflection attenuator, a resistive power splitter.
        const std::string_view letterShape = entry.title.substr(0, entry.title.rfind(' '));
        const bool byLetter = entry.title.ends_with(" attenuator") && letterShape.size() >= 2 &&
                              letterShape[letterShape.size() - 2] == ' ';
        std::string shape(byLetter ? letterShape : entry.title);
        shape.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(shape.front())));
        return Objection{Impedances, "a " + shape + " is matched only between equal impedances"};
    }
    if (!entry.lines.empty()) {
        if (given) {
            return Objection{LinesGiven, "its lines are designed with its arms, not given"};
        }
        if (!request.f0Hz) {
            return Objection{Frequency,
                             "needs its design frequency f0, where its lines are a quarter wave"};
        }
        if (request.optimise || request.tolerance || request.availableWatts) {
            return Objection{DcAnalysis, "analysed at f0 alone: the optimisation, the tolerance "
                                         "and the power are analyses at DC"};
        }
    }
    if (request.shuntChosen && entry.armsShuntAtInput.empty()) {
        return Objection{Shunt, "only an L has one shunt arm to place"};
    }
    // The source voltage behind Zin is sqrt(4 Zin P), and every voltage of the network is
    // below it: its square is the largest number the dissipation forms.
    if (request.availableWatts &&
        !std::isfinite(4.0 * std::max(request.zin, request.zout) * *request.availableWatts)) {
        return Objection{Power, "out of range (the dissipation would overflow)"};
    }
    return std::nullopt;
}

Report evaluateDesign(const Request& request, float lossDb) {
    const Network network = request.network;
    const Attenuator wired = asWired(
        designPlaced(network, request.zin, request.zout, lossDb, request.shuntAt, request.root));
    const NetworkEntry& entry = entryOf(network);
    Report report{{network,
                   wired.zin,
                   wired.zout,
                   lossDb,
                   wired.portsExchanged,
                   minimumLoss(network, request.zin, request.zout),
                   entry.inWindow && request.shuntAt == ShuntAt::Output,
                   inCatalogueOrder(wired, request.shuntAt),
                   {wired.lineOhms, request.f0Hz.value_or(0.0), request.lineModel}}};
    const Design& design = report.design;
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        if (isNegative(design.arms[i].resistor.ohms)) {
            report.negative.push_back(i);
        }
    }
    std::vector<Resistor> built = resistorsOf(design.arms);
    const double zin = design.zin;
    const double zout = design.zout;
    // A network of lines is what it is at its design frequency alone: no DC check sees it.
    const auto check = [&](std::span<const Resistor> resistors) {
        return entry.lines.empty()
                   ? checkPorts(checkedCircuit(network, resistors, zout), zin, zout)
                   : checkAtDesignFrequency(network, resistors, zin, zout, design.lines);
    };
    report.exact = check(built);
    if (entry.ports == 3 && report.exact) {
        // A splitter's loss is its own, whatever was asked: it is reported, and searched for.
        report.design.lossDb = static_cast<float>(report.exact->lossDb);
    }
    if (!report.realisable()) {
        // No standard value, tolerance or rating means anything for a negative resistor.
        return report;
    }
    std::vector<Part> parts;
    for (const ReportArm& arm : design.arms) {
        parts.push_back(arm.given);
    }
    if (request.series) {
        std::vector<double> standard;
        for (Resistor& r : built) {
            r.ohms =
                beyondParts(r.ohms, zin, zout).value_or(nearestStandard(r.ohms, *request.series));
            standard.push_back(r.ohms);
        }
        report.standardOhms = std::move(standard);
        report.standard = check(built);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            parts[i] = {built[i].ohms, built[i].ohms, std::nullopt};
        }
    }
    if (!entry.lines.empty()) {
        return report; // the search, worst case and dissipation analyse at DC
    }
    if (request.optimise && request.series) {
        report.searched = true;
        // An arm beyond any part is searched as what it is: open, or a link.
        std::vector<Resistor> buildable = resistorsOf(design.arms);
        for (Resistor& r : buildable) {
            r.ohms = beyondParts(r.ohms, zin, zout).value_or(r.ohms);
        }
        report.optimised = optimiseStandard(checkedCircuit(network, buildable, zout), zin, zout,
                                            searchGoal(request, design.lossDb, design.arms));
        if (report.optimised) {
            parts = report.optimised->arms;
            for (std::size_t i = 0; i < built.size(); ++i) {
                built[i].ohms = parts[i].ohms;
            }
        }
    }
    if (request.tolerance) {
        report.worst = worstCase(checkedCircuit(network, built, zout), zin, zout,
                                 *request.tolerance, built.size());
    }
    if (request.availableWatts) {
        addPower(report, request, built, parts);
    }
    return report;
}

std::vector<Part> builtParts(const Report& report) {
    if (report.optimised) {
        return report.optimised->arms;
    }
    std::vector<Part> parts;
    for (std::size_t i = 0; i < report.design.arms.size(); ++i) {
        if (report.standardOhms) {
            const double ohms = report.standardOhms->at(i);
            parts.push_back({ohms, ohms, std::nullopt});
        } else {
            parts.push_back(report.design.arms[i].given);
        }
    }
    return parts;
}

std::optional<Report> evaluateGiven(const Request& request, std::span<const Part> given) {
    const std::span<const ArmEntry> entries = armsOf(request.network, request.shuntAt);
    if (given.size() != entries.size()) {
        return std::nullopt;
    }
    Report report{{request.network,
                   request.zin,
                   request.zout,
                   0.0F,
                   false,
                   minimumLoss(request.network, request.zin, request.zout),
                   false,
                   {},
                   {}}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        report.design.arms.push_back(
            {&entries[i], {entries[i].from, entries[i].to, given[i].ohms}, given[i]});
    }
    const std::vector<Resistor> built = resistorsOf(report.design.arms);
    report.exact =
        checkPorts(checkedCircuit(request.network, built, request.zout), request.zin, request.zout);
    if (!report.exact) {
        return std::nullopt;
    }
    report.design.lossDb = static_cast<float>(report.exact->lossDb);
    if (request.availableWatts) {
        addPower(report, request, built, given);
    }
    return report;
}

double wattsOfDbm(double dbm) {
    return std::pow(10.0, (dbm - 30.0) / 10.0);
}

Part partOf(double first, std::optional<double> second, bool parallel) {
    if (!second) {
        return {first, first, std::nullopt};
    }
    const double b = *second;
    if (parallel) {
        const double ohms = first == 0.0 || b == 0.0 ? 0.0 : 1.0 / (1.0 / first + 1.0 / b);
        return {ohms, first, b, true};
    }
    return {first + b, first, b, false};
}

} // namespace zelmarino::design
