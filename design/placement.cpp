#include "design/placement.h"

#include "design/attenuator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zelmarino::design {

namespace {

bool isL(Network network) {
    return network == Network::LOut || network == Network::LIn;
}

// The window's L matched at the other port, for the same two arms read from the far side.
Network otherL(Network network) {
    return network == Network::LOut ? Network::LIn : Network::LOut;
}

Node mirrored(Node node) {
    return node == Node::In ? Node::Out : node == Node::Out ? Node::In : node;
}

ArmRole mirrored(ArmRole role) {
    switch (role) {
    case ArmRole::Series:
        return ArmRole::SeriesAtOutput;
    case ArmRole::ShuntAtOutput:
        return ArmRole::ShuntAtInput;
    default:
        return role; // an L has no other arm
    }
}

bool buildable(const Attenuator& attenuator) {
    return std::ranges::all_of(attenuator.arms, [](const Arm& arm) {
        return !isNegative(arm.resistor.ohms) && std::isfinite(arm.resistor.ohms);
    });
}

} // namespace

Attenuator designPlaced(Network network, float zin, float zout, float lossDb, ShuntAt shunt,
                        Root root) {
    if (!isL(network) || shunt == ShuntAt::Output) {
        return designAttenuator(network, zin, zout, lossDb, root);
    }
    // Turned round, the window's L matched at its input port is matched at our output port.
    // NOLINTNEXTLINE(readability-suspicious-call-argument): designed from the far side
    Attenuator design = designAttenuator(otherL(network), zout, zin, lossDb);
    design.network = network;
    std::swap(design.zin, design.zout);
    for (Arm& arm : design.arms) {
        arm.resistor.from = mirrored(arm.resistor.from);
        arm.resistor.to = mirrored(arm.resistor.to);
        arm.role = mirrored(arm.role);
    }
    return design;
}

std::optional<float> minimumLossPad(Network network, float zin, float zout, ShuntAt shunt) {
    if (zin == zout) {
        return std::nullopt;
    }
    double target = minimumLoss(network, zin, zout);
    if (isL(network)) {
        const bool shuntOnSmaller = (shunt == ShuntAt::Output) == (zout < zin);
        if (!shuntOnSmaller) {
            return std::nullopt;
        }
        const double q = std::max<double>(zin, zout) / std::min<double>(zin, zout);
        target = 20.0 * std::log10(std::sqrt(q) + std::sqrt(q - 1.0));
    }
    // At the minimum itself one arm is exactly zero or open; rounded to single precision it
    // may land a hair on the wrong side, so step up to the first loss that can be built.
    constexpr int steps = 64;
    auto loss = static_cast<float>(target);
    for (int i = 0; i < steps; ++i) {
        try {
            if (buildable(designPlaced(network, zin, zout, loss, shunt))) {
                return loss;
            }
        } catch (const FloatError&) {
            // an open arm formed as a division by zero: the next loss up has it finite
        }
        loss = std::nextafter(loss, std::numeric_limits<float>::infinity());
    }
    return std::nullopt;
}

} // namespace zelmarino::design
