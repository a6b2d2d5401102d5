#include "formats/fields.h"

#include "design/two_port.h"
#include "formats/csv_line.h"
#include "formats/output_common.h"
#include "text/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace zelmarino::formats {

namespace {

std::string digits(const Quantity& quantity, double value, int count) {
    return quantity.fixed ? fixedPoint(value, count) : significant(value, count);
}

} // namespace

std::string readingText(const Quantity& quantity, double value) {
    if (quantity.capped && value >= returnLossCeilingDb) {
        std::string text = "≥ ";
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

// The worst case keeps only its return losses; the reflection follows from them exactly.
double vswr(double reflection) {
    return design::vswrOfReflection(reflection);
}

} // namespace

// Each port's |Γ| and standing-wave ratio come from its resistance, the worst case's from its
// return loss, which is all it keeps.
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
     [](const PortCheck& c) { return vswr(c.inputReflection); }, nullptr,
     [](const WorstCase& w) { return vswr(design::reflectionOfReturnLoss(w.inputReturnLossDb)); }},
    {"input_reflection", "Input |Γ|", "", "", &ratioQuantity,
     [](const PortCheck& c) { return c.inputReflection; }, nullptr,
     [](const WorstCase& w) { return design::reflectionOfReturnLoss(w.inputReturnLossDb); }},
    {"output_return_loss", "Output return loss", "", "", &returnLossQuantity,
     [](const PortCheck& c) { return c.outputReturnLossDb; }, nullptr,
     [](const WorstCase& w) { return w.outputReturnLossDb; }},
    {"output_vswr", "Output VSWR", "", "", &ratioQuantity,
     [](const PortCheck& c) { return vswr(c.outputReflection); }, nullptr,
     [](const WorstCase& w) { return vswr(design::reflectionOfReturnLoss(w.outputReturnLossDb)); }},
    {"output_reflection", "Output |Γ|", "", "", &ratioQuantity,
     [](const PortCheck& c) { return c.outputReflection; }, nullptr,
     [](const WorstCase& w) { return design::reflectionOfReturnLoss(w.outputReturnLossDb); }},
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

void addCsvCheckHeadings(Line& line, std::string_view prefix) {
    for (const CheckField& field : checkFields) {
        line.add(std::string(prefix) + fieldKey(field));
        if (field.quantity->capped) {
            line.add(std::string(prefix) + std::string(field.key) + "_capped");
        }
    }
}

void addCsvCheck(Line& line, const std::optional<PortCheck>& check) {
    for (const CheckField& field : checkFields) {
        const double value = check ? field.value(*check) : 0.0;
        line.add(check ? machineText(*field.quantity, value) : "");
        if (field.quantity->capped) {
            line.add(!check ? "" : value >= returnLossCeilingDb ? "yes" : "no");
        }
    }
}

void addArmPlaceHeadings(Line& line, const Arm& arm) {
    line.add(armKey(arm.entry->name) + "_kind");
    line.add(armKey(arm.entry->name) + "_side");
}

void addArmPlace(Line& line, const Arm& arm) {
    line.add(arm.entry->kind);
    line.add(arm.entry->side);
}

CsvDialect csvDialect(const Options& options) {
    return options.decimalComma ? CsvDialect::DecimalComma : CsvDialect::Plain;
}

std::string_view shuntAtText(const Options& options) {
    if (design::entryOf(options.network).armsShuntAtInput.empty()) {
        return {};
    }
    return options.shuntAt == design::ShuntAt::Input ? "input" : "output";
}

std::string standardReading(double ohms) {
    if (std::isinf(ohms)) {
        return "open";
    }
    return ohms == 0.0 ? "link (0 Ω)" : readingText(ohmsQuantity, ohms);
}

std::string standardMachine(double ohms) {
    return std::isinf(ohms) ? "open" : machineText(ohmsQuantity, ohms);
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
     [](const DesignReport& r, std::size_t arm) { return r.power->resistorWatts[arm]; },
     [](const design::PartLoad& p) { return p.watts; }},
    {"voltage", "Voltage", "V", "v", &voltsQuantity, false,
     [](const DesignReport& r, std::size_t arm) { return r.power->resistorVolts[arm]; },
     [](const design::PartLoad& p) { return p.volts; }},
    {"current", "Current", "I", "a", &ampsQuantity, false,
     [](const DesignReport& r, std::size_t arm) { return r.power->resistorAmps[arm]; },
     [](const design::PartLoad& p) { return p.amps; }},
    {"tolerated_source", "Tolerated source", "Pmax", "tolerated_source_w", &wattsQuantity, true,
     [](const DesignReport& r, std::size_t arm) { return r.toleratedWatts->at(arm); },
     [](const design::PartLoad& p) { return p.toleratedWatts; }},
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

} // namespace zelmarino::formats
