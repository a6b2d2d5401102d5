// The command line, read strictly: every argument is understood or the whole command is
// refused with one line that names the argument.
#pragma once

#include "cli/e_series.h"
#include "cli/report.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelmarino::cli {

enum class OutputFormat { Text, Csv, Json, Spice, Touchstone };

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
    std::vector<double> frequenciesHz; // --freq, for the touchstone format
    std::string frequencyText;         // --freq as typed
    bool given = false;                // the resistors are the user's (check)
    bool minReturnLossGiven = false;   // --min-return-loss
};

struct HelpRequest {
    std::string text;
};
struct VersionRequest {};

struct Refusal {
    std::string message; // one line, without the program name
};

// A table may hold at most this many designs.
inline constexpr std::size_t maximumRows = 1'000'000;

// zelmarino-calc check: resistors the user has, analysed in the network's places.
struct CheckOptions {
    Options common;                    // network, impedances, --shunt-at, --power
    std::vector<design::Part> arms;    // R1, R2, … as given, in the catalogue's order
    std::vector<std::string> armTexts; // as typed: "100+47", "220||330"
};

using ParsedCommand = std::variant<Options, HelpRequest, VersionRequest, Refusal, CheckOptions>;

// `arguments` excludes the program name.
[[nodiscard]] ParsedCommand parseCommand(std::span<const std::string_view> arguments);

} // namespace zelmarino::cli
