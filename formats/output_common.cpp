#include "formats/output_common.h"

#include "text/number_text.h"
#include "text/resistor_text.h"

#include <algorithm>
#include <cmath>

namespace zelmarino::formats {

double cappedReturnLoss(double db) {
    return std::min(db, returnLossCeilingDb);
}

std::string windowText(const Design& design, const Arm& arm) {
    if (!design.shownInWindow) {
        return {};
    }
    // The window draws "W" in a symbol font, where it is the ohm sign; a terminal shows the
    // sign itself. The leading blank only reserves the place of a minus sign.
    std::string shown;
    for (const char c : formatResistor(arm.resistor.ohms).text) {
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

std::string negativeArmNames(const DesignReport& report) {
    std::string names;
    for (std::size_t i = 0; i < report.negative.size(); ++i) {
        if (i > 0) {
            names += i + 1 == report.negative.size() ? " and " : ", ";
        }
        names += report.design.arms[report.negative[i]].entry->name;
    }
    return names;
}

std::string armRoles(const Design& design) {
    std::string roles;
    for (const Arm& arm : design.arms) {
        if (!roles.empty()) {
            roles += ", ";
        }
        roles += std::string(arm.entry->name) + " " + std::string(arm.entry->roleText);
    }
    return roles;
}

std::string partText(const design::Part& part) {
    if (!part.second) {
        return std::isinf(part.first) ? "open" : significant(part.first, 6);
    }
    return significant(part.first, 6) + (part.parallel ? "||" : "+") + significant(*part.second, 6);
}

std::string partsText(const design::PartModel& model) {
    return (model.packageName.empty() ? std::string("your own") : std::string(model.packageName)) +
           ", " + significant(model.parts.seriesHenries, 9) + " H in series and " +
           significant(model.parts.shuntFarads, 9) + " F across each resistor, " +
           significant(model.viaHenries, 9) + " H under each shunt arm";
}

} // namespace zelmarino::formats
