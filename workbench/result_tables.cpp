#include "workbench/result_tables.h"

#include "formats/fields.h"
#include "text/number_text.h"

namespace zelmarino::workbench {

namespace {

using formats::readingText;

std::string ohmsText(double ohms) {
    return formats::standardReading(ohms);
}

std::string partText(const design::Part& part) {
    if (!part.second) {
        return ohmsText(part.ohms);
    }
    return significant(part.first, 6) + (part.parallel ? " ∥ " : " + ") +
           significant(*part.second, 6) + " (" + ohmsText(part.ohms) + ")";
}

std::string withUnit(const formats::Quantity& quantity, double value) {
    return readingText(quantity, value) + " " + std::string(quantity.symbol);
}

std::size_t at(ArmColumn column) {
    return static_cast<std::size_t>(column);
}

} // namespace

std::vector<ArmRow> armRows(const design::Report& report) {
    std::vector<ArmRow> rows;
    const auto& arms = report.design.arms;
    for (std::size_t i = 0; i < arms.size(); ++i) {
        ArmRow row{};
        const design::ArmEntry& entry = *arms[i].entry;
        row.at(at(ArmColumn::Name)) = entry.name;
        row.at(at(ArmColumn::Place)) = std::string(entry.kind) + ", " + std::string(entry.side);
        row.at(at(ArmColumn::Exact)) =
            arms[i].given.second ? partText(arms[i].given) : ohmsText(arms[i].resistor.ohms);
        if (report.standardOhms) {
            row.at(at(ArmColumn::Standard)) = ohmsText(report.standardOhms->at(i));
        }
        if (report.optimised) {
            row.at(at(ArmColumn::Optimised)) = partText(report.optimised->arms.at(i));
        }
        if (report.power) {
            constexpr std::array columns = {ArmColumn::Dissipation, ArmColumn::Voltage,
                                            ArmColumn::Current, ArmColumn::Tolerated};
            for (std::size_t f = 0; f < columns.size(); ++f) {
                const formats::ArmPowerField& field = formats::armPowerFields.at(f);
                if (field.rated && !report.toleratedWatts) {
                    continue;
                }
                row.at(at(columns.at(f))) = withUnit(*field.quantity, field.value(report, i));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<CheckRow> checkRows(const design::Report& report) {
    std::vector<CheckRow> rows;
    for (const formats::CheckField& field : formats::checkFields) {
        CheckRow row{field.label, field.quantity->symbol, {}};
        const auto value = [&](const std::optional<design::PortCheck>& check) {
            return check ? readingText(*field.quantity, field.value(*check)) : std::string();
        };
        row.cells[0] = value(report.exact);
        row.cells[1] = value(report.standard);
        if (report.optimised) {
            row.cells[2] = readingText(*field.quantity, field.value(report.optimised->check));
        }
        if (report.worst) {
            if (field.worstRange != nullptr) {
                const design::Range range = field.worstRange(*report.worst);
                row.cells[3] = readingText(*field.quantity, range.low) + " … " +
                               readingText(*field.quantity, range.high);
            } else if (field.worstValue != nullptr) {
                row.cells[3] = readingText(*field.quantity, field.worstValue(*report.worst));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string tabSeparated(const std::vector<std::vector<std::string>>& lines) {
    std::string text;
    for (const std::vector<std::string>& cells : lines) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                text += '\t';
            }
            for (const char c : cells[i]) {
                text += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
            }
        }
        text += '\n';
    }
    return text;
}

} // namespace zelmarino::workbench
