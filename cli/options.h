// The command line, read strictly: every argument is understood or the whole command is
// refused with one line that names the argument.
#pragma once

#include "cli/attenuator.h"
#include "cli/e_series.h"
#include "design/placement.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelmarino::cli {

enum class OutputFormat { Text, Csv, Json, Spice, Touchstone };

struct Options {
    Network network = Network::Pi;
    float zin = 0.0F; // ohms, single precision as the window holds it
    float zout = 0.0F;
    std::vector<float> lossesDb; // one, or the rows of a table
    bool table = false;          // --db FROM:TO:STEP
    std::string lossText;        // --db as typed, for the refusals that name it
    bool minimumLossPad = false; // --db min: the loss is found once the impedances are known
    design::ShuntAt shuntAt = design::ShuntAt::Output; // an L's, as the window places it
    std::string shuntAtText;                           // --shunt-at as typed, if given
    bool optimise = false;         // --optimise: search the series, not only round to it
    bool pairs = false;            // --pairs: an arm may be two standard values
    double minReturnLossDb = 30.0; // --min-return-loss: what the search must keep
    std::optional<ESeries> series;
    std::optional<double> tolerance;      // a fraction: 0.01 for 1 %
    std::optional<double> availableWatts; // --power
    std::string powerText;                // --power as typed
    std::optional<double> ratingWatts;    // --rating: what each resistor may dissipate
    std::string ratingText;               // --rating as typed
    OutputFormat format = OutputFormat::Text;
    std::vector<double> frequenciesHz; // --freq, for the touchstone format
    std::string frequencyText;         // --freq as typed
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
    std::vector<double> armOhms;       // R1, R2 and R3 if given, in the design report's order
    std::vector<std::string> armTexts; // as typed: "100+47", "220||330"
};

using ParsedCommand = std::variant<Options, HelpRequest, VersionRequest, Refusal, CheckOptions>;

// `arguments` excludes the program name.
[[nodiscard]] ParsedCommand parseCommand(std::span<const std::string_view> arguments);

} // namespace zelmarino::cli
