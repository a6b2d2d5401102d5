#include "cli/csv_output.h"

#include "cli/number_text.h"
#include "cli/output_common.h"

#include <cctype>
#include <vector>

namespace zelmarino::cli {

namespace {

std::string ohms(double value) {
    return significant(value, 9);
}
std::string decibels(double value) {
    return fixedPoint(value, 6);
}
std::string watts(double value) {
    return significant(value, 6);
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return result;
}

// Quotes a field only where it needs it.
std::string field(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

class Line {
public:
    void add(const std::string& text) {
        if (m_started) {
            m_text += ',';
        }
        m_started = true;
        m_text += field(text);
    }
    void addEmpty(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            add("");
        }
    }
    void finish(std::string& out) {
        out += m_text;
        out += '\n';
        m_text.clear();
        m_started = false;
    }

private:
    std::string m_text;
    bool m_started = false;
};

constexpr std::size_t checkFields = 5;

void addCheck(Line& line, const std::optional<PortCheck>& check) {
    if (!check) {
        line.addEmpty(checkFields);
        return;
    }
    line.add(ohms(check->inputOhms));
    line.add(ohms(check->outputOhms));
    line.add(decibels(cappedReturnLoss(check->inputReturnLossDb)));
    line.add(decibels(cappedReturnLoss(check->outputReturnLossDb)));
    line.add(decibels(check->lossDb));
}

void addCheckHeadings(Line& line, const std::string& prefix) {
    for (const char* name :
         {"input_ohm", "output_ohm", "input_return_loss_db", "output_return_loss_db", "loss_db"}) {
        line.add(prefix + name);
    }
}

} // namespace

void writeCsv(std::string& out, const Options& options, std::span<const DesignReport> reports) {
    if (reports.empty()) {
        return;
    }
    const Design& first = reports.front().design;
    const std::string series = options.series ? lower(seriesName(*options.series)) : "";
    Line line;
    for (const char* name : {"network", "zin_ohm", "zout_ohm", "ports_exchanged", "loss_db",
                             "minimum_loss_db", "realisable", "negative_arms"}) {
        line.add(name);
    }
    for (const Arm& arm : first.arms) {
        const std::string name = lower(arm.name);
        line.add(name + "_ohm");
        line.add(name + "_window");
    }
    addCheckHeadings(line, "exact_");
    if (options.series) {
        for (const Arm& arm : first.arms) {
            line.add(series + "_" + lower(arm.name) + "_ohm");
        }
        addCheckHeadings(line, series + "_");
    }
    if (options.tolerance) {
        for (const char* name :
             {"tolerance_percent", "worst_loss_low_db", "worst_loss_high_db", "worst_input_low_ohm",
              "worst_input_high_ohm", "worst_output_low_ohm", "worst_output_high_ohm",
              "worst_input_return_loss_db", "worst_output_return_loss_db"}) {
            line.add(name);
        }
    }
    if (options.availableWatts) {
        line.add("available_w");
        for (const Arm& arm : first.arms) {
            line.add(lower(arm.name) + "_w");
        }
        line.add("load_w");
    }
    line.finish(out);

    for (const DesignReport& report : reports) {
        const Design& design = report.design;
        line.add(std::string(networkName(design.network)));
        line.add(entryText(design.zin));
        line.add(entryText(design.zout));
        line.add(design.portsExchanged ? "yes" : "no");
        line.add(entryText(design.lossDb));
        line.add(decibels(design.minimumLossDb));
        line.add(report.realisable() ? "yes" : "no");
        std::string negative;
        for (const std::size_t i : report.negative) {
            negative += (negative.empty() ? "" : " ") + std::string(design.arms[i].name);
        }
        line.add(negative);
        for (const Arm& arm : design.arms) {
            line.add(ohms(arm.resistor.ohms));
            line.add(arm.windowText);
        }
        addCheck(line, report.exact);
        const std::size_t arms = design.arms.size();
        if (options.series) {
            for (std::size_t i = 0; i < arms; ++i) {
                line.add(report.standardOhms ? ohms((*report.standardOhms)[i]) : "");
            }
            addCheck(line, report.standard);
        }
        if (options.tolerance) {
            line.add(significant(*options.tolerance * 100.0, 6));
            if (const auto& w = report.worst) {
                for (const double value : {w->lossDb.low, w->lossDb.high}) {
                    line.add(decibels(value));
                }
                for (const double value :
                     {w->inputOhms.low, w->inputOhms.high, w->outputOhms.low, w->outputOhms.high}) {
                    line.add(ohms(value));
                }
                line.add(decibels(cappedReturnLoss(w->inputReturnLossDb)));
                line.add(decibels(cappedReturnLoss(w->outputReturnLossDb)));
            } else {
                line.addEmpty(8);
            }
        }
        if (options.availableWatts) {
            line.add(watts(*options.availableWatts));
            for (std::size_t i = 0; i < arms; ++i) {
                line.add(report.power ? watts(report.power->resistorWatts[i]) : "");
            }
            line.add(report.power ? watts(report.power->loadWatts) : "");
        }
        line.finish(out);
    }
}

} // namespace zelmarino::cli
