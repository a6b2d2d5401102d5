#include "cli/output_common.h"

#include "calc/conversions.h"

#include <algorithm>

namespace zelmarino::cli {

double cappedReturnLoss(double db) {
    return std::min(db, returnLossCeilingDb);
}

std::string entryText(float value) {
    return SingleText(value);
}

std::string negativeArmNames(const DesignReport& report) {
    std::string names;
    for (std::size_t i = 0; i < report.negative.size(); ++i) {
        if (i > 0) {
            names += i + 1 == report.negative.size() ? " and " : ", ";
        }
        names += report.design.arms[report.negative[i]].name;
    }
    return names;
}

std::string armRoles(const Design& design) {
    std::string roles;
    for (const Arm& arm : design.arms) {
        if (!roles.empty()) {
            roles += ", ";
        }
        roles += std::string(arm.name) + " " + std::string(arm.role);
    }
    return roles;
}

} // namespace zelmarino::cli
