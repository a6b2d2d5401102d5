// What a run asks for: the design library's request (network, impedances, series, tolerance,
// power, rating, optimisation) with the losses and the output format, or the resistors a user
// has. The command line reads one; the output formats write what it asks for.
#pragma once

#include "design/resistor_model.h"
#include "formats/e_series.h"
#include "formats/report.h"

#include <string>
#include <vector>

namespace zelmarino::formats {

enum class OutputFormat { Text, Csv, Json, Spice, Touchstone };

// 2.0 gives each port its own reference; 1.1 has one for all, which older readers need.
enum class TouchstoneVersion { V1_1, V2_0 };

// What to design (the design library's request: network, impedances, series, tolerance,
// power, rating, optimisation) and how the command line asked for it.
struct Options : design::Request {
    std::vector<float> lossesDb; // one, or the rows of a table
    bool table = false;          // --db FROM:TO:STEP
    std::string lossText;        // --db as typed, for the refusals that name it
    bool minimumLossPad = false; // --db min: the loss is found once the impedances are known
    std::string shuntAtText;     // --shunt-at as typed, if given
    std::string powerText;       // --power as typed
    std::string ratingText;      // --rating as typed
    OutputFormat format = OutputFormat::Text;
    bool decimalComma = false;         // --decimal-comma: csv for spreadsheets with a decimal comma
    std::vector<double> frequenciesHz; // --freq: the sweep of the design as built
    std::string frequencyText;         // --freq as typed
    design::PartModel partModel{};     // --package or --parasitics, and --via
    std::string packageText;           // --package as typed
    std::string parasiticsText;        // --parasitics as typed
    std::string viaText;               // --via as typed
    bool bandwidthOnly = false;        // --bandwidth: the usable bandwidth and nothing else
    double flatnessDb = 0.1;           // --flatness: how far the loss may leave its DC value
    bool flatnessGiven = false;
    TouchstoneVersion touchstone = TouchstoneVersion::V2_0;
    std::string touchstoneText;      // --touchstone as typed, if given
    std::string f0Text;              // --f0 as typed, if given
    std::string lineText;            // --line as typed, if given
    std::string rootText;            // --root as typed, if given
    bool given = false;              // the resistors are the user's (check)
    bool minReturnLossGiven = false; // --min-return-loss

    // A package, parts of the user's own or a via: the report gives the usable bandwidth.
    [[nodiscard]] bool modelGiven() const {
        return !packageText.empty() || !parasiticsText.empty() || !viaText.empty();
    }
};

// A check: resistors the user has, analysed in the network's places.
struct CheckOptions {
    Options common;                    // network, impedances, --shunt-at, --power
    std::vector<design::Part> arms;    // R1, R2, … as given, in the catalogue's order
    std::vector<std::string> armTexts; // as typed: "100+47", "220||330"
};

} // namespace zelmarino::formats
