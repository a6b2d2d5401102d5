#include "design/attenuator.h"

#include "design/networks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zelmarino::design {

namespace {

Arm arm(ArmRole role, Node from, Node to, Checked ohms) {
    return {role, {from, to, checkedValue(ohms)}};
}

ArmRole mirrored(ArmRole role) {
    switch (role) {
    case ArmRole::ShuntAtInput:
        return ArmRole::ShuntAtOutput;
    case ArmRole::ShuntAtOutput:
        return ArmRole::ShuntAtInput;
    case ArmRole::SeriesAtInput:
        return ArmRole::SeriesAtOutput;
    case ArmRole::SeriesAtOutput:
        return ArmRole::SeriesAtInput;
    default:
        return role;
    }
}

Node lowerTwin(Node node) {
    switch (node) {
    case Node::In:
        return Node::InN;
    case Node::Middle:
        return Node::MiddleN;
    case Node::Out:
        return Node::OutN;
    default:
        return node;
    }
}

// The balanced form of an unbalanced network: each series arm split into two halves, one in
// each leg, and each shunt arm, whole, from its node to that node's twin in the lower leg.
Attenuator balanced(Network network, const Attenuator& unbalanced) {
    Attenuator design{network, unbalanced.zin, unbalanced.zout, false, {}};
    for (const Arm& a : unbalanced.arms) {
        const Resistor& r = a.resistor;
        if (r.to == Node::Ground) {
            design.arms.push_back({a.role, {r.from, lowerTwin(r.from), r.ohms}});
        } else {
            design.arms.push_back({a.role, {r.from, r.to, r.ohms / 2.0}});
            design.arms.push_back({a.role, {lowerTwin(r.from), lowerTwin(r.to), r.ohms / 2.0}});
        }
    }
    return design;
}

} // namespace

Checked voltageRatio(float lossDb) {
    return pow(10.0, Checked(static_cast<double>(lossDb)) / 20.0);
}

Attenuator designAttenuator(Network network, float zin, float zout, float lossDb, Root root) {
    if (network == Network::H || network == Network::O) {
        const Network unbalanced = network == Network::H ? Network::T : Network::Pi;
        return balanced(network, asWired(designAttenuator(unbalanced, zin, zout, lossDb)));
    }
    Attenuator design{network, zin, zout, false, {}};
    if (network == Network::T && zin < zout) {
        std::swap(design.zin, design.zout);
        design.portsExchanged = true;
    }
    const double k = checkedValue(voltageRatio(lossDb));
    const double in = design.zin;
    const double out = design.zout;
    // The steps are taken in the order of their formula (a braced list is evaluated from left
    // to right), so the failure reported is the first.
    switch (network) {
    case Network::Pi:
        if (design.zin == design.zout) {
            const SymmetricPiArms pi = symmetricPi(in, k);
            const double shunt = checkedValue(pi.shunt);
            design.arms = {{ArmRole::ShuntAtInput, {Node::In, Node::Ground, shunt}},
                           arm(ArmRole::Series, Node::In, Node::Out, pi.series),
                           {ArmRole::ShuntAtOutput, {Node::Out, Node::Ground, shunt}}};
        } else {
            const PiArms pi = design::pi(in, out, k);
            checkedValue(pi.ratio);
            design.arms = {arm(ArmRole::ShuntAtInput, Node::In, Node::Ground, pi.shuntAtInput),
                           arm(ArmRole::Series, Node::In, Node::Out, pi.series),
                           arm(ArmRole::ShuntAtOutput, Node::Out, Node::Ground, pi.shuntAtOutput)};
        }
        break;
    case Network::T: {
        const TArms t = design::t(in, out, k);
        checkedValue(t.geometricMean);
        design.arms = {arm(ArmRole::SeriesAtInput, Node::In, Node::Middle, t.seriesAtInput),
                       arm(ArmRole::SeriesAtOutput, Node::Middle, Node::Out, t.seriesAtOutput),
                       arm(ArmRole::ShuntAtMiddle, Node::Middle, Node::Ground, t.shunt)};
        break;
    }
    case Network::LOut:
    case Network::LIn: {
        const LArms l =
            network == Network::LOut ? lMatchedAtOutput(in, out, k) : lMatchedAtInput(in, out, k);
        checkedValue(l.ratio);
        design.arms = {arm(ArmRole::Series, Node::In, Node::Out, l.series),
                       arm(ArmRole::ShuntAtOutput, Node::Out, Node::Ground, l.shuntAtOutput)};
        break;
    }
    case Network::BridgedT: {
        const BridgedTArms bridged = bridgedT(in, k);
        design.arms = {arm(ArmRole::Series, Node::In, Node::Out, bridged.bridge),
                       {ArmRole::SeriesAtInput, {Node::In, Node::Middle, in}},
                       {ArmRole::SeriesAtOutput, {Node::Middle, Node::Out, in}},
                       arm(ArmRole::ShuntAtMiddle, Node::Middle, Node::Ground, bridged.shunt)};
        break;
    }
    case Network::Series: {
        const SingleArm series = singleSeries(in, out, k);
        checkedValue(series.ratio);
        design.arms = {arm(ArmRole::Series, Node::In, Node::Out, series.arm)};
        break;
    }
    case Network::Shunt: {
        // The ports are one node: the catalogue's wire joins them.
        const SingleArm shunt = singleShunt(in, out, k);
        checkedValue(shunt.ratio);
        design.arms = {arm(ArmRole::ShuntAtInput, Node::In, Node::Ground, shunt.arm)};
        break;
    }
    case Network::PowerSplitter: {
        const double third = checkedValue(powerSplitterArm(in));
        design.arms = {{ArmRole::SeriesAtInput, {Node::In, Node::Middle, third}},
                       {ArmRole::SeriesAtOutput, {Node::Middle, Node::Out, third}},
                       {ArmRole::SeriesAtSecondOutput, {Node::Middle, Node::Out2, third}}};
        break;
    }
    case Network::TwoResistorSplitter:
        design.arms = {{ArmRole::SeriesAtOutput, {Node::In, Node::Out, in}},
                       {ArmRole::SeriesAtSecondOutput, {Node::In, Node::Out2, in}}};
        break;
    case Network::QuarterWaveSeries:
    case Network::QuarterWaveShunt: {
        const bool series = network == Network::QuarterWaveSeries;
        const QuarterWaveArms quarter = series ? quarterWaveSeries(in, k) : quarterWaveShunt(in, k);
        const double ohms = checkedValue(quarter.arm);
        design.lineOhms = {checkedValue(quarter.line)};
        design.arms =
            series ? std::vector<Arm>{{ArmRole::SeriesAtInput, {Node::In, Node::Middle, ohms}},
                                      {ArmRole::SeriesAtOutput, {Node::MiddleN, Node::Out, ohms}}}
                   : std::vector<Arm>{{ArmRole::ShuntAtInput, {Node::In, Node::Ground, ohms}},
                                      {ArmRole::ShuntAtOutput, {Node::Out, Node::Ground, ohms}}};
        break;
    }
    case Network::Reflection: {
        const double ohms = checkedValue(reflectionArm(in, k, root));
        // The branch-line hybrid: Z/√2 through, Z across (TL1 to TL4 in the catalogue's order).
        const double through = in / std::numbers::sqrt2;
        design.lineOhms = {through, in, through, in};
        design.arms = {{ArmRole::ShuntAtMiddle, {Node::Middle, Node::Ground, ohms}},
                       {ArmRole::ShuntAtMiddle, {Node::MiddleN, Node::Ground, ohms}}};
        break;
    }
    case Network::H:
    case Network::O:
        break; // made from the T and the Pi above
    }
    return design;
}

Attenuator asWired(Attenuator attenuator) {
    if (!attenuator.portsExchanged) {
        return attenuator;
    }
    std::swap(attenuator.zin, attenuator.zout);
    const auto facing = [](Node node) {
        return node == Node::In ? Node::Out : node == Node::Out ? Node::In : node;
    };
    for (Arm& a : attenuator.arms) {
        a.resistor.from = facing(a.resistor.from);
        a.resistor.to = facing(a.resistor.to);
        a.role = mirrored(a.role);
    }
    return attenuator;
}

double minimumLoss(Network network, double zin, double zout) {
    const double q = std::max(zin, zout) / std::min(zin, zout);
    switch (network) {
    case Network::LOut:
    case Network::LIn:
        return 10.0 * std::log10(q);
    case Network::Series:
    case Network::Shunt:
        // The mismatch loss of the two impedances joined directly.
        return 20.0 * std::log10((q + 1.0) / (2.0 * std::sqrt(q)));
    default:
        return 20.0 * std::log10(std::sqrt(q) + std::sqrt(q - 1.0));
    }
}

bool isNegative(double ohms) {
    return ohms < 0.0 || (ohms == 0.0 && std::signbit(ohms));
}

std::vector<std::size_t> negativeArms(const Attenuator& attenuator) {
    std::vector<std::size_t> negative;
    for (std::size_t i = 0; i < attenuator.arms.size(); ++i) {
        if (isNegative(attenuator.arms[i].resistor.ohms)) {
            negative.push_back(i);
        }
    }
    return negative;
}

std::vector<Resistor> resistorsOf(const Attenuator& attenuator) {
    std::vector<Resistor> resistors;
    resistors.reserve(attenuator.arms.size());
    for (const Arm& a : attenuator.arms) {
        resistors.push_back(a.resistor);
    }
    return resistors;
}

} // namespace zelmarino::design
