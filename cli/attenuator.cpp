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
        if (network == Network::BridgedT) {
            return "bridge from port to port";
        }
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
    return network == Network::H ? "shunt between the middle nodes" : "shunt from the middle";
}

bool inLowerLeg(const Resistor& r) {
    const auto lower = [](Node node) {
        return node == Node::InN || node == Node::MiddleN || node == Node::OutN;
    };
    return lower(r.from) && lower(r.to);
}

// The role in words; a balanced network's series halves also name their leg.
std::string_view roleText(Network network, const design::Arm& arm) {
    if (network != Network::H && network != Network::O) {
        return roleText(network, arm.role);
    }
    switch (arm.role) {
    case design::ArmRole::Series:
        return inLowerLeg(arm.resistor) ? "series, lower half" : "series, upper half";
    case design::ArmRole::SeriesAtInput:
        return inLowerLeg(arm.resistor) ? "series on the input side, lower half"
                                        : "series on the input side, upper half";
    case design::ArmRole::SeriesAtOutput:
        return inLowerLeg(arm.resistor) ? "series on the output side, lower half"
                                        : "series on the output side, upper half";
    default:
        return roleText(network, arm.role);
    }
}

// The arms are named as the window's design record numbers them; the balanced and bridged
// pads, which have more, go on counting.
constexpr std::array<std::string_view, 5> armNames = {"R1", "R2", "R3", "R4", "R5"};

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
        return "l-in";
    case Network::H:
        return "h";
    case Network::O:
        return "o";
    case Network::BridgedT:
        break;
    }
    return "bridged-t";
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
        return "L attenuator matched at the input port";
    case Network::H:
        return "H attenuator (balanced T)";
    case Network::O:
        return "O attenuator (balanced Pi)";
    case Network::BridgedT:
        break;
    }
    return "Bridged T attenuator";
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
    const bool windowNetwork = network == Network::Pi || network == Network::T ||
                               network == Network::LOut || network == Network::LIn;
    const bool inWindow = windowNetwork && shunt == design::ShuntAt::Output;
    for (std::size_t i = 0; i < designed.arms.size(); ++i) {
        const design::Arm& arm = designed.arms[i];
        shown.arms.push_back({armNames.at(i), roleText(network, arm), arm.resistor,
                              inWindow ? windowText(arm.resistor.ohms) : std::string()});
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
