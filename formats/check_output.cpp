#include "formats/check_output.h"

#include "formats/csv_line.h"
#include "formats/fields.h"
#include "formats/json_text.h"
#include "formats/output_common.h"
#include "formats/spice_output.h"
#include "formats/text_columns.h"
#include "text/number_text.h"

#include <vector>

namespace zelmarino::formats {

namespace {

// The fields per arm that --power and --rating ask for; none without a power.
std::vector<const ArmPowerField*> powerFields(const Options& common, const DesignReport& built) {
    return built.power ? shownArmPowerFields(common) : std::vector<const ArmPowerField*>{};
}

} // namespace

void writeCheckText(std::string& out, const CheckOptions& check, const DesignReport& built) {
    const Options& common = check.common;
    const Design& design = built.design;
    append(out, networkTitle(design.network), " as built: Zin ", entryText(common.zin), " Ω, Zout ",
           entryText(common.zout), " Ω\n\n");
    std::vector<Column> columns = {{"Arm", Align::Left},
                                   {"Role", Align::Left},
                                   {"Given", Align::Right},
                                   {"Resistance (Ω)", Align::Right}};
    const std::vector<const ArmPowerField*> fields = powerFields(common, built);
    for (const ArmPowerField* field : fields) {
        columns.push_back(
            {std::string(field->label) + " (" + std::string(field->quantity->symbol) + ")",
             Align::Right});
    }
    TextColumns arms(std::move(columns));
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        std::vector<std::string> row = {std::string(arm.entry->name),
                                        std::string(arm.entry->roleText), check.armTexts.at(i),
                                        readingText(ohmsQuantity, arm.resistor.ohms)};
        for (const ArmPowerField* field : fields) {
            row.push_back(readingText(*field->quantity, field->value(built, i)));
        }
        arms.addRow(std::move(row));
        // Each resistor of a pair carries its own share: rated on its own.
        if (i < built.partLoads.size() && built.partLoads[i]) {
            for (const design::PartLoad& part : *built.partLoads[i]) {
                std::vector<std::string> partRow = {"",
                                                    "  one part of " + std::string(arm.entry->name),
                                                    "", readingText(ohmsQuantity, part.ohms)};
                for (const ArmPowerField* field : fields) {
                    partRow.push_back(readingText(*field->quantity, field->partValue(part)));
                }
                arms.addRow(std::move(partRow));
            }
        }
    }
    arms.write(out);
    out += "\n";
    TextColumns figures({{"Check", Align::Left}, {"As built", Align::Right}});
    for (const CheckField& field : checkFields) {
        figures.addRow(
            {fieldLabel(field), readingText(*field.quantity, field.value(*built.exact))});
    }
    figures.write(out);
    if (built.power) {
        append(out, "\nWith ", readingText(wattsQuantity, *common.availableWatts),
               " W available from the source, the load receives ",
               readingText(wattsQuantity, built.power->loadWatts), " W.\n");
    }
}

// The design command's keys where the figure is the same: the check's own carry no prefix,
// for there is only the network as built.
void writeCheckCsv(std::string& out, const CheckOptions& check, const DesignReport& built) {
    const Options& common = check.common;
    const Design& design = built.design;
    const std::vector<const ArmPowerField*> fields = shownArmPowerFields(common);
    beginCsv(out, csvDialect(common));
    Line heading(out, csvDialect(common));
    for (const char* name : {"network", "zin_ohm", "zout_ohm", "shunt_at"}) {
        heading.add(name);
    }
    for (const Arm& arm : design.arms) {
        addArmPlaceHeadings(heading, arm);
        heading.add(armKey(arm.entry->name) + "_given");
        heading.add(armKey(arm.entry->name) + "_ohm");
    }
    addCsvCheckHeadings(heading, "");
    if (built.power) {
        heading.add("available_w");
        for (const ArmPowerField* field : fields) {
            for (const Arm& arm : design.arms) {
                heading.add(armKey(arm.entry->name) + "_" + std::string(field->columnKey));
            }
        }
        heading.add("load_w");
        // Each resistor of a pair: "r3_first_w", "r3_second_w", …
        for (std::size_t i = 0; i < built.partLoads.size(); ++i) {
            if (!built.partLoads[i]) {
                continue;
            }
            for (const char* part : {"_first_", "_second_"}) {
                for (const ArmPowerField* field : fields) {
                    heading.add(armKey(design.arms[i].entry->name) + part +
                                std::string(field->columnKey));
                }
            }
        }
    }
    heading.finish();
    Line row(out, csvDialect(common));
    row.add(networkName(design.network));
    row.add(entryText(common.zin));
    row.add(entryText(common.zout));
    row.add(shuntAtText(common));
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        addArmPlace(row, design.arms[i]);
        row.add(check.armTexts.at(i));
        row.add(machineText(ohmsQuantity, design.arms[i].resistor.ohms));
    }
    addCsvCheck(row, built.exact);
    if (built.power) {
        row.add(machineText(wattsQuantity, *common.availableWatts));
        for (const ArmPowerField* field : fields) {
            for (std::size_t i = 0; i < design.arms.size(); ++i) {
                row.add(machineText(*field->quantity, field->value(built, i)));
            }
        }
        row.add(machineText(wattsQuantity, built.power->loadWatts));
        for (const auto& loads : built.partLoads) {
            if (!loads) {
                continue;
            }
            for (const design::PartLoad& part : *loads) {
                for (const ArmPowerField* field : fields) {
                    row.add(machineText(*field->quantity, field->partValue(part)));
                }
            }
        }
    }
    row.finish();
}

// As the design command's json, every key always there and null where there is nothing.
void writeCheckJson(std::string& out, const CheckOptions& check, const DesignReport& built) {
    const Options& common = check.common;
    const Design& design = built.design;
    out += "{\n  \"network\": ";
    json::appendText(out, networkName(design.network));
    append(out, ",\n  \"zin_ohm\": ", entryText(common.zin),
           ",\n  \"zout_ohm\": ", entryText(common.zout), ",\n  \"available_w\": ",
           common.availableWatts ? json::number(*common.availableWatts, 6) : "null",
           ",\n  \"arms\": [\n");
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        const Arm& arm = design.arms[i];
        out += "    {\"name\": ";
        json::appendText(out, arm.entry->name);
        out += ", \"role\": ";
        json::appendText(out, arm.entry->roleText);
        out += ", \"given\": ";
        json::appendText(out, check.armTexts.at(i));
        append(out, ", \"ohm\": ", json::number(arm.resistor.ohms));
        for (const ArmPowerField* field : shownArmPowerFields(common)) {
            append(out, ", \"", field->key, "_", field->quantity->key, "\": ",
                   built.power ? json::figure(*field->quantity, field->value(built, i)) : "null");
        }
        // A pair's two resistors, each with its own load; null for a single resistor.
        out += ", \"parts\": ";
        if (i < built.partLoads.size() && built.partLoads[i]) {
            out += "[";
            for (const design::PartLoad& part : *built.partLoads[i]) {
                append(out, &part == built.partLoads[i]->data() ? "" : ", ",
                       "{\"ohm\": ", json::number(part.ohms));
                for (const ArmPowerField* field : shownArmPowerFields(common)) {
                    append(out, ", \"", field->key, "_", field->quantity->key,
                           "\": ", json::figure(*field->quantity, field->partValue(part)));
                }
                out += "}";
            }
            out += "]";
        } else {
            out += "null";
        }
        out += i + 1 < design.arms.size() ? "},\n" : "}\n";
    }
    out += "  ],\n  \"check\": ";
    json::appendCheck(out, built.exact);
    append(out, ",\n  \"load_w\": ", built.power ? json::number(built.power->loadWatts, 6) : "null",
           "\n}\n");
}

void writeCheckSpice(std::string& out, const CheckOptions& check, const DesignReport& built) {
    const Options& common = check.common;
    const Design& design = built.design;
    const PortCheck& ports = *built.exact;
    append(out, "* ", networkTitle(design.network), " as built: Zin ", entryText(common.zin),
           " ohm, Zout ", entryText(common.zout), " ohm\n* ", armRoles(design), "\n* check: input ",
           significant(ports.inputOhms, 6), " ohm, output ", significant(ports.outputOhms, 6),
           " ohm, loss ", fixedPoint(ports.lossDb, 4), " dB\n");
    out += "* given:";
    for (std::size_t i = 0; i < design.arms.size(); ++i) {
        append(out, " ", design.arms[i].entry->name, " ", check.armTexts.at(i));
    }
    out += '\n';
    const std::string name = "check_" + spiceWord(networkName(design.network)) + "_" +
                             spiceWord(entryText(common.zin)) + "_" +
                             spiceWord(entryText(common.zout));
    const design::PartModel& model = common.partModel;
    if (!model.ideal()) {
        append(out, "* parts: ", partsText(model), "\n");
    }
    writeSubcircuitBody(out, name, design, std::nullopt, model);
}

} // namespace zelmarino::formats
