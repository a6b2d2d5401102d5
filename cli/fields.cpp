#include "cli/fields.h"

#include "cli/output_common.h"
#include "design/two_port.h"
#include "text/number_text.h"

#include <algorithm>
#include <cctype>

namespace zelmarino::cli {

namespace {

std::string digits(const Quantity& quantity, double value, int count) {
    return quantity.fixed ? fixedPoint(value, count) : significant(value, count);
}

} // namespace

std::string readingText(const Quantity& quantity, double value) {
    if (quantity.capped && value >= returnLossCeilingDb) {
        std::string text = ">";
        text += fixedPoint(returnLossCeilingDb, 0);
        return text;
    }
    return digits(quantity, value, quantity.readingDigits);
}

std::string machineText(const Quantity& quantity, double value) {
    return digits(quantity, quantity.capped ? cappedReturnLoss(value) : value,
                  quantity.machineDigits);
}

namespace {

// Beyond the ceiling of the return loss the reflection is rounding noise: a perfect match.
double reflection(double returnLossDb) {
    return returnLossDb >= returnLossCeilingDb ? 0.0 : design::reflectionOfReturnLoss(returnLossDb);
}

double vswr(double returnLossDb) {
    return design::vswrOfReflection(reflection(returnLossDb));
}

} // namespace

// Each port's |Γ| and standing-wave ratio follow its return loss, worst case included.
const std::array<CheckField, 9> checkFields = {{
    {"input", "Input resistance", "In", "in", &ohmsQuantity,
     [](const PortCheck& c) { return c.inputOhms; }, [](const WorstCase& w) { return w.inputOhms; },
     nullptr},
    {"output", "Output resistance", "Out", "out", &ohmsQuantity,
     [](const PortCheck& c) { return c.outputOhms; },
     [](const WorstCase& w) { return w.outputOhms; }, nullptr},
    {"input_return_loss", "Input return loss", "", "", &returnLossQuantity,
     [](const PortCheck& c) { return c.inputReturnLossDb; }, nullptr,
     [](const WorstCase& w) { return w.inputReturnLossDb; }},
    {"input_vswr", "Input VSWR", "", "", &ratioQuantity,
     [](const PortCheck& c) { return vswr(c.inputReturnLossDb); }, nullptr,
     [](const WorstCase& w) { return vswr(w.inputReturnLossDb); }},
    {"input_reflection", "Input |Γ|", "", "", &ratioQuantity,
     [](const PortCheck& c) { return reflection(c.inputReturnLossDb); }, nullptr,
     [](const WorstCase& w) { return reflection(w.inputReturnLossDb); }},
    {"output_return_loss", "Output return loss", "", "", &returnLossQuantity,
     [](const PortCheck& c) { return c.outputReturnLossDb; }, nullptr,
     [](const WorstCase& w) { return w.outputReturnLossDb; }},
    {"output_vswr", "Output VSWR", "", "", &ratioQuantity,
     [](const PortCheck& c) { return vswr(c.outputReturnLossDb); }, nullptr,
     [](const WorstCase& w) { return vswr(w.outputReturnLossDb); }},
    {"output_reflection", "Output |Γ|", "", "", &ratioQuantity,
     [](const PortCheck& c) { return reflection(c.outputReturnLossDb); }, nullptr,
     [](const WorstCase& w) { return reflection(w.outputReturnLossDb); }},
    {"loss", "Loss", "Check", "loss", &lossQuantity, [](const PortCheck& c) { return c.lossDb; },
     [](const WorstCase& w) { return w.lossDb; }, nullptr},
}};

std::array<const CheckField*, checkFields.size()> worstCaseOrder() {
    std::array<const CheckField*, checkFields.size()> order{};
    std::transform(checkFields.begin(), checkFields.end(), order.begin(),
                   [](const CheckField& field) { return &field; });
    std::stable_partition(order.begin(), order.end(),
                          [](const CheckField* field) { return field->quantity == &lossQuantity; });
    return order;
}

std::string fieldKey(const CheckField& field) {
    std::string key(field.key);
    if (!field.quantity->key.empty()) {
        key += '_';
        key += field.quantity->key;
    }
    return key;
}

std::string fieldLabel(const CheckField& field) {
    std::string label(field.label);
    if (!field.quantity->symbol.empty()) {
        label += " (";
        label += field.quantity->symbol;
        label += ')';
    }
    return label;
}

std::string armKey(std::string_view armName) {
    std::string key(armName);
    for (char& c : key) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

const std::array<ArmPowerField, 4> armPowerFields = {{
    {"dissipation", "Dissipation", "P", "w", &wattsQuantity, false,
     [](const DesignReport& r, std::size_t arm) { return r.power->resistorWatts[arm]; }},
    {"voltage", "Voltage", "V", "v", &voltsQuantity, false,
     [](const DesignReport& r, std::size_t arm) { return r.power->resistorVolts[arm]; }},
    {"current", "Current", "I", "a", &ampsQuantity, false,
     [](const DesignReport& r, std::size_t arm) { return r.power->resistorAmps[arm]; }},
    {"tolerated_source", "Tolerated source", "Pmax", "tolerated_source_w", &wattsQuantity, true,
     [](const DesignReport& r, std::size_t arm) { return r.toleratedWatts->at(arm); }},
}};

std::vector<const ArmPowerField*> shownArmPowerFields(const Options& options) {
    std::vector<const ArmPowerField*> shown;
    for (const ArmPowerField& field : armPowerFields) {
        if (!field.rated || options.ratingWatts) {
            shown.push_back(&field);
        }
    }
    return shown;
}

} // namespace zelmarino::cli
