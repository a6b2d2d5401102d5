#include "formats/response_output.h"

#include "formats/csv_line.h"
#include "formats/fields.h"
#include "formats/json_text.h"
#include "formats/optimise_output.h"
#include "formats/output_common.h"
#include "formats/text_columns.h"
#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zelmarino::formats {

namespace {

// A frequency with the prefix that keeps it between 1 and 1000: "1.234 GHz".
std::string hertzText(double hz) {
    constexpr std::array<std::pair<double, std::string_view>, 4> prefixes = {{
        {1e12, " THz"},
        {1e9, " GHz"},
        {1e6, " MHz"},
        {1e3, " kHz"},
    }};
    for (const auto& [scale, unit] : prefixes) {
        if (std::abs(hz) >= scale) {
            return significant(hz / scale, 4) + std::string(unit);
        }
    }
    return significant(hz, 4) + " Hz";
}

std::string henriesText(double henries) {
    return significant(henries * 1e9, 4) + " nH";
}
std::string faradsText(double farads) {
    return significant(farads * 1e12, 4) + " pF";
}

// The entries a sweep reports, by (row, column): the transmissions from the input to each
// other port, then each port's reflection.
std::vector<std::pair<std::size_t, std::size_t>> reportedEntries(std::size_t ports) {
    std::vector<std::pair<std::size_t, std::size_t>> entries;
    for (std::size_t i = 1; i < ports; ++i) {
        entries.emplace_back(i, 0);
    }
    for (std::size_t i = 0; i < ports; ++i) {
        entries.emplace_back(i, i);
    }
    return entries;
}

std::size_t portCount(const DesignReport& report) {
    return static_cast<std::size_t>(design::entryOf(report.design.network).ports);
}

// "S21", "s21": an entry named by its ports, counted from 1.
std::string entryName(std::pair<std::size_t, std::size_t> entry, char letter) {
    return letter + std::to_string(entry.first + 1) + std::to_string(entry.second + 1);
}

// In dB; a reflection no lower than the return-loss ceiling, as the reports give them.
double entryDb(const design::PortMatrix& s, std::pair<std::size_t, std::size_t> entry) {
    const double db = design::decibelsOf(s(entry.first, entry.second));
    return entry.first == entry.second ? std::max(db, -returnLossCeilingDb) : db;
}

std::string limitsText(const Options& options, const DesignReport& report) {
    return "the loss within " + significant(options.flatnessDb, 6) + " dB of its DC value, " +
           std::string(floorKept(report.design.network)) + " at least " +
           significant(options.minReturnLossDb, 6) + " dB";
}

std::string viaText(const Options& options) {
    const double via = options.partModel.viaHenries;
    return via > 0.0 ? "; a via of " + henriesText(via) + " under each shunt arm" : "";
}

} // namespace

std::string frequencyMachine(double hz) {
    return significant(hz, 12);
}

std::string bandwidthText(const design::Bandwidth& bandwidth) {
    if (bandwidth.beyondCeiling) {
        return "above " + hertzText(bandwidth.hz);
    }
    return bandwidth.hz > 0.0 ? hertzText(bandwidth.hz) : "none";
}

void writeBandwidthText(std::string& out, const Options& options, const DesignReport& report,
                        const std::vector<BandwidthRow>& rows) {
    append(out, "Usable bandwidth, ", limitsText(options, report), viaText(options), ":\n");
    TextColumns table({{"Parts", Align::Left},
                       {"Series L", Align::Right},
                       {"Shunt C", Align::Right},
                       {"Bandwidth", Align::Right},
                       {"", Align::Left}});
    for (const BandwidthRow& row : rows) {
        table.addRow({row.description, henriesText(row.parts.seriesHenries),
                      faradsText(row.parts.shuntFarads), bandwidthText(row.bandwidth),
                      row.chosen ? "<- chosen" : ""});
    }
    table.write(out);
}

void writeBandwidthAlone(std::string& out, const Options& options, const DesignReport& report,
                         const std::vector<BandwidthRow>& rows) {
    for (const BandwidthRow& row : rows) {
        if (row.chosen) {
            append(out, "Usable bandwidth: ", bandwidthText(row.bandwidth), " (", row.description,
                   viaText(options), "; ", limitsText(options, report), ")\n");
            return;
        }
    }
    writeBandwidthText(out, options, report, rows);
}

void writeBuiltCheckText(std::string& out, const Options& options, const Response& response) {
    if (!response.builtAtDesignFrequency) {
        return;
    }
    const design::PortCheck& check = *response.builtAtDesignFrequency;
    const design::PartModel& model = options.partModel;
    const std::string parts = !model.packageName.empty()       ? std::string(model.packageName)
                              : options.parasiticsText.empty() ? std::string("ideal")
                                                               : std::string("your");
    append(out, "At f0, the ", response.values, " values built of ", parts, " parts",
           viaText(options), ":\n  loss ", readingText(lossQuantity, check.lossDb),
           " dB, return loss ", readingText(returnLossQuantity, check.inputReturnLossDb),
           " dB at the input and ", readingText(returnLossQuantity, check.outputReturnLossDb),
           " dB at the output.\n");
}

void writeSweepText(std::string& out, const Response& response) {
    if (response.sweep.empty()) {
        return;
    }
    std::size_t ports = 2;
    for (const design::ResponsePoint& point : response.sweep) {
        if (point.s) {
            ports = point.s->size();
            break;
        }
    }
    const auto entries = reportedEntries(ports);
    std::vector<Column> columns = {{"Frequency", Align::Right}};
    for (const auto& entry : entries) {
        columns.push_back({entryName(entry, 'S') + " (dB)", Align::Right});
    }
    TextColumns table(std::move(columns));
    for (const design::ResponsePoint& point : response.sweep) {
        std::vector<std::string> cells = {hertzText(point.hz)};
        for (const auto& entry : entries) {
            cells.push_back(point.s ? fixedPoint(entryDb(*point.s, entry), 4) : "-");
        }
        table.addRow(std::move(cells));
    }
    append(out, "Response of the ", response.values,
           " values as built (reflections down to -120 dB):\n");
    table.write(out);
}

namespace {

// The columns every row of a response's csv begins with, so that a row read alone says
// which design it is.
void addDesignHeadings(Line& line) {
    for (const char* name : {"network", "zin_ohm", "zout_ohm", "loss_db", "values", "parts",
                             "series_h", "shunt_f", "via_h"}) {
        line.add(name);
    }
}

void addDesign(Line& line, const Options& options, const DesignReport& report,
               const Response& response, std::string_view parts,
               const design::Parasitics& parasitics) {
    const Design& design = report.design;
    line.add(networkName(design.network));
    line.add(entryText(design.zin));
    line.add(entryText(design.zout));
    line.add(entryText(design.lossDb));
    line.add(response.values);
    line.add(parts);
    line.add(significant(parasitics.seriesHenries, 9));
    line.add(significant(parasitics.shuntFarads, 9));
    line.add(significant(options.partModel.viaHenries, 9));
}

std::string_view partsName(const Options& options) {
    if (!options.partModel.packageName.empty()) {
        return options.partModel.packageName;
    }
    return options.parasiticsText.empty() ? "ideal" : "own";
}

std::string bandwidthHz(const design::Bandwidth& bandwidth) {
    return significant(bandwidth.hz, 9);
}

} // namespace

void writeResponseCsv(std::string& out, const Options& options, const DesignReport& report,
                      const Response& response) {
    const CsvDialect dialect = csvDialect(options);
    beginCsv(out, dialect);
    Line heading(out, dialect);
    addDesignHeadings(heading);
    if (options.bandwidthOnly) {
        for (const char* name :
             {"flatness_db", "min_return_loss_db", "chosen", "bandwidth_hz", "beyond_ceiling"}) {
            heading.add(name);
        }
        heading.finish();
        for (const BandwidthRow& row : response.bandwidths) {
            Line line(out, dialect);
            addDesign(line, options, report, response, row.name, row.parts);
            line.add(significant(options.flatnessDb, 6));
            line.add(significant(options.minReturnLossDb, 6));
            line.add(row.chosen ? "yes" : "no");
            line.add(bandwidthHz(row.bandwidth));
            line.add(row.bandwidth.beyondCeiling ? "yes" : "no");
            line.finish();
        }
        return;
    }
    heading.add("frequency_hz");
    const auto entries = reportedEntries(portCount(report));
    for (const auto& entry : entries) {
        heading.add(entryName(entry, 's') + "_db");
    }
    heading.finish();
    for (const design::ResponsePoint& point : response.sweep) {
        Line line(out, dialect);
        addDesign(line, options, report, response, partsName(options), options.partModel.parts);
        line.add(frequencyMachine(point.hz));
        for (const auto& entry : entries) {
            line.add(point.s ? fixedPoint(entryDb(*point.s, entry), 6) : "");
        }
        line.finish();
    }
}

void writeResponseJson(std::string& out, const Options& options, const DesignReport& report,
                       const Response& response) {
    const Design& design = report.design;
    out += "{\n  \"network\": ";
    json::appendText(out, networkName(design.network));
    append(out, ",\n  \"zin_ohm\": ", entryText(design.zin),
           ",\n  \"zout_ohm\": ", entryText(design.zout),
           ",\n  \"loss_db\": ", entryText(design.lossDb), ",\n  \"values\": ");
    json::appendText(out, response.values);
    out += ",\n  \"parts\": ";
    json::appendText(out, partsName(options));
    append(out, ",\n  \"series_h\": ", json::number(options.partModel.parts.seriesHenries),
           ",\n  \"shunt_f\": ", json::number(options.partModel.parts.shuntFarads),
           ",\n  \"via_h\": ", json::number(options.partModel.viaHenries));
    if (options.bandwidthOnly) {
        append(out, ",\n  \"flatness_db\": ", json::number(options.flatnessDb, 6),
               ",\n  \"min_return_loss_db\": ", json::number(options.minReturnLossDb, 6),
               ",\n  \"bandwidths\": [");
        const char* separator = "\n";
        for (const BandwidthRow& row : response.bandwidths) {
            append(out, separator, "    {\"parts\": ");
            json::appendText(out, row.name);
            append(out, ", \"series_h\": ", json::number(row.parts.seriesHenries),
                   ", \"shunt_f\": ", json::number(row.parts.shuntFarads),
                   ", \"chosen\": ", row.chosen ? "true" : "false",
                   ", \"bandwidth_hz\": ", json::number(row.bandwidth.hz),
                   ", \"beyond_ceiling\": ", row.bandwidth.beyondCeiling ? "true" : "false", "}");
            separator = ",\n";
        }
        out += "\n  ]\n}\n";
        return;
    }
    out += ",\n  \"response\": [";
    const auto entries = reportedEntries(portCount(report));
    const char* separator = "\n";
    for (const design::ResponsePoint& point : response.sweep) {
        append(out, separator, "    {\"frequency_hz\": ", frequencyMachine(point.hz));
        for (const auto& entry : entries) {
            append(out, ", \"", entryName(entry, 's'),
                   "_db\": ", point.s ? fixedPoint(entryDb(*point.s, entry), 6) : "null");
        }
        out += '}';
        separator = ",\n";
    }
    out += "\n  ]\n}\n";
}

} // namespace zelmarino::formats
