// Every resistor network of the catalogue as the tests place it: each way round where its
// impedances may differ, between equal ones where it must, an L with its shunt at either port.
// The networks of lines, which only their design frequency judges, have tests of their own.
#pragma once

#include "design/catalogue.h"
#include "design/evaluation.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zelmarino::design::testing {

struct Placement {
    std::string name; // "l_out_600_to_50_shunt_at_input"
    Network network;
    float zin;
    float zout;
    ShuntAt shunt;
};

// `larger` and `smaller` are the two impedances; a network of equal impedances only has
// `larger` at both ports.
inline std::vector<Placement> everyPlacement(float larger, float smaller) {
    std::vector<Placement> cases;
    for (const NetworkEntry& entry : catalogue()) {
        if (!entry.lines.empty()) {
            continue;
        }
        std::vector<std::pair<float, float>> impedances = {{larger, larger}};
        if (!entry.equalImpedancesOnly) {
            impedances = {{smaller, larger}, {larger, smaller}};
        }
        std::vector<ShuntAt> shunts = {ShuntAt::Output};
        if (!entry.armsShuntAtInput.empty()) {
            shunts.push_back(ShuntAt::Input);
        }
        for (const auto& [zin, zout] : impedances) {
            for (const ShuntAt shunt : shunts) {
                std::string name = std::string(entry.command) + "_" +
                                   std::to_string(static_cast<int>(zin)) + "_to_" +
                                   std::to_string(static_cast<int>(zout)) +
                                   (shunt == ShuntAt::Input ? "_shunt_at_input" : "");
                std::replace(name.begin(), name.end(), '-', '_');
                cases.push_back({name, entry.network, zin, zout, shunt});
            }
        }
    }
    return cases;
}

inline Request requestFor(const Placement& placement) {
    Request request;
    request.network = placement.network;
    request.zin = placement.zin;
    request.zout = placement.zout;
    request.shuntAt = placement.shunt;
    return request;
}

} // namespace zelmarino::design::testing
