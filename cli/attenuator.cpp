#include "cli/attenuator.h"

#include "design/resistor_text.h"

#include <array>

namespace zelmarino::cli {

namespace {

// The window draws "W" in a symbol font, where it is the ohm sign; a terminal shows the
// sign itself. The leading blank only reserves the place of a minus sign.
std::string windowText(double ohms) {
    std::string shown;
    for (const char c : design::formatResistor(ohms).text) {
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

std::string_view roleText(Network network, design::ArmRole role) {
    switch (role) {
    case design::ArmRole::ShuntAtInput:
        return "shunt across the input port";
    case design::ArmRole::Series:
        return network == Network::Pi ? "series" : "series at the input port";
    case design::ArmRole::ShuntAtOutput:
        return "shunt across the output port";
    case design::ArmRole::SeriesAtInput:
        return "series on the input side";
    case design::ArmRole::SeriesAtOutput:
        return "series on the output side";
    case design::ArmRole::ShuntAtMiddle:
        break;
    }
    return "shunt from the middle";
}

// The arms are named as the window's design record numbers them.
constexpr std::array<std::string_view, 3> armNames = {"R1", "R2", "R3"};

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

Design makeDesign(Network network, float zin, float zout, float lossDb, design::ShuntAt shunt) {
    const design::Attenuator designed =
        design::asWired(design::designPlaced(network, zin, zout, lossDb, shunt));
    Design shown{network,
                 designed.zin,
                 designed.zout,
                 lossDb,
                 designed.portsExchanged,
                 design::minimumLoss(network, zin, zout),
                 {}};
    for (std::size_t i = 0; i < designed.arms.size(); ++i) {
        const design::Arm& arm = designed.arms[i];
        shown.arms.push_back({armNames.at(i), roleText(network, arm.role), arm.resistor,
                              windowText(arm.resistor.ohms)});
    }
    return shown;
}

std::vector<std::size_t> negativeArms(const Design& design) {
    std::vector<std::size_t> negative;
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        if (design::isNegative(design.arms[i].resistor.ohms)) {
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
