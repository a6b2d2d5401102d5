#include "cli/attenuator.h"

#include "calc/checked.h"
#include "calc/design_state.h"
#include "calc/networks.h"
#include "calc/resistor_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zelmarino::cli {

namespace {

// The window draws "W" in a symbol font, where it is the ohm sign; a terminal shows the
// sign itself. The leading blank only reserves the place of a minus sign.
std::string windowText(double ohms) {
    std::string text = formatResistor(ohms); // takes a copy: it rescales kilo-ohms
    std::string shown;
    for (const char c : text) {
        if (c == 'W') {
            shown += "Ω";
        } else {
            shown += c;
        }
    }
    if (!shown.empty() && shown.front() == ' ') {
        shown.erase(0, 1);
    }
    return shown;
}

double minimumLoss(Network network, float zin, float zout) {
    const double larger = std::max(zin, zout);
    const double smaller = std::min(zin, zout);
    const double q = larger / smaller;
    if (network == Network::LOut || network == Network::LIn) {
        return 10.0 * std::log10(q);
    }
    return 20.0 * std::log10(std::sqrt(q) + std::sqrt(q - 1.0));
}

Arm arm(std::string_view name, std::string_view role, Node from, Node to, double ohms) {
    return {name, role, {from, to, ohms}, windowText(ohms)};
}

} // namespace

std::string_view networkName(Network network) {
    switch (network) {
    case Network::Pi:
        return "pi";
    case Network::T:
        return "t";
    case Network::LOut:
        return "l-out";
    case Network::LIn:
        break;
    }
    return "l-in";
}

std::string_view networkTitle(Network network) {
    switch (network) {
    case Network::Pi:
        return "Pi attenuator";
    case Network::T:
        return "T attenuator";
    case Network::LOut:
        return "L attenuator matched at the output port";
    case Network::LIn:
        break;
    }
    return "L attenuator matched at the input port";
}

Design designAttenuator(Network network, float zin, float zout, float lossDb) {
    Design design{network, zin, zout, lossDb, false, minimumLoss(network, zin, zout), {}};
    if (network == Network::T && zin < zout) {
        std::swap(design.zin, design.zout);
        design.portsExchanged = true;
    }
    DesignState state;
    state.Zin = design.zin;
    state.Zout = design.zout;
    state.A = lossDb;
    // K exactly as the window's compute command forms it.
    store(state.K, pow(10.0, Checked(static_cast<double>(lossDb)) / 20.0));

    switch (network) {
    case Network::Pi:
        state.NetworkType = NetworkType::Pi;
        if (state.Zin == state.Zout) {
            computePiSymmetric(state);
            state.R3 = state.R1; // both shunt arms are R1 in the symmetric routine
        } else {
            computePiAsymmetric(state);
        }
        design.arms = {
            arm("R1", "shunt across the input port", Node::In, Node::Ground, state.R1),
            arm("R2", "series", Node::In, Node::Out, state.R2),
            arm("R3", "shunt across the output port", Node::Out, Node::Ground, state.R3)};
        break;
    case Network::T:
        state.NetworkType = NetworkType::T;
        computeT(state);
        design.arms = {arm("R1", "series on the input side", Node::In, Node::Middle, state.R1),
                       arm("R2", "series on the output side", Node::Middle, Node::Out, state.R2),
                       arm("R3", "shunt from the middle", Node::Middle, Node::Ground, state.R3)};
        break;
    case Network::LOut:
    case Network::LIn:
        if (network == Network::LOut) {
            state.NetworkType = NetworkType::LLess;
            computeLLess(state);
        } else {
            state.NetworkType = NetworkType::LGreater;
            computeLGreater(state);
        }
        design.arms = {
            arm("R1", "series at the input port", Node::In, Node::Out, state.R1),
            arm("R2", "shunt across the output port", Node::Out, Node::Ground, state.R2)};
        break;
    }
    return design;
}

std::vector<std::size_t> negativeArms(const Design& design) {
    std::vector<std::size_t> negative;
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        if (design.arms[i].resistor.ohms < 0.0) {
            negative.push_back(i);
        }
    }
    return negative;
}

std::vector<Resistor> resistorsOf(const Design& design) {
    std::vector<Resistor> resistors;
    resistors.reserve(design.arms.size());
    for (const Arm& a : design.arms) {
        resistors.push_back(a.resistor);
    }
    return resistors;
}

} // namespace zelmarino::cli
