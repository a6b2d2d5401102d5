#include "design/worst_case.h"

#include "design/two_port.h"

#include <algorithm>
#include <vector>

namespace zelmarino::design {

namespace {

void widen(Range& range, double value) {
    range.low = std::min(range.low, value);
    range.high = std::max(range.high, value);
}

} // namespace

std::optional<WorstCase> worstCase(std::span<const Resistor> network, double zin, double zout,
                                   double tolerance, std::size_t parts) {
    std::optional<WorstCase> worst;
    std::vector<Resistor> corner(network.begin(), network.end());
    const std::size_t varied = std::min(parts, network.size());
    const std::size_t corners = std::size_t{1} << varied;
    for (std::size_t mask = 0; mask < corners; ++mask) {
        for (std::size_t i = 0; i < varied; ++i) {
            const double factor = (mask >> i & 1U) != 0 ? 1.0 + tolerance : 1.0 - tolerance;
            corner[i].ohms = network[i].ohms * factor;
        }
        const auto check = checkPorts(corner, zin, zout);
        if (!check) {
            return std::nullopt;
        }
        if (!worst) {
            worst = WorstCase{{check->lossDb, check->lossDb},
                              {check->inputOhms, check->inputOhms},
                              {check->outputOhms, check->outputOhms},
                              check->inputReturnLossDb,
                              check->outputReturnLossDb};
            continue;
        }
        widen(worst->lossDb, check->lossDb);
        widen(worst->inputOhms, check->inputOhms);
        widen(worst->outputOhms, check->outputOhms);
        worst->inputReturnLossDb = std::min(worst->inputReturnLossDb, check->inputReturnLossDb);
        worst->outputReturnLossDb = std::min(worst->outputReturnLossDb, check->outputReturnLossDb);
    }
    return worst;
}

} // namespace zelmarino::design
