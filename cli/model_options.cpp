#include "cli/model_options.h"

#include "cli/quantity_reader.h"
#include "cli/quoted.h"

#include <string>
#include <variant>

namespace zelmarino::cli {

using formats::TouchstoneVersion;

namespace {

std::string about(std::string_view option, std::string_view value, std::string_view problem) {
    return std::string(option) + " " + quoted(value) + ": " + std::string(problem);
}

constexpr Quantity henries(std::string_view option) {
    return {.option = option,
            .unit = "H",
            .prefixes = Prefixes::AllowedWithSmall,
            .lowest = 0.0,
            .notANumber = "not an inductance (1nH, 0.4n)",
            .outside = "must be an inductance of 0 H or more"};
}

// The unit in capitals only, so that "50f" is 50 fF rather than 50 F.
constexpr Quantity farads = {.option = "--parasitics",
                             .unit = "F",
                             .unitInAnyCase = false,
                             .prefixes = Prefixes::AllowedWithSmall,
                             .lowest = 0.0,
                             .notANumber = "not a capacitance (0.05pF, 50f)",
                             .outside = "must be a capacitance of 0 F or more"};

} // namespace

std::optional<Refusal> readPackage(std::string_view value, Options& options) {
    const design::Package* package = design::packageNamed(value);
    if (package == nullptr) {
        return Refusal{about("--package", value, "not one of " + design::packageList())};
    }
    options.partModel.parts = package->parasitics;
    options.partModel.packageName = package->name;
    options.packageText = value;
    return std::nullopt;
}

std::optional<Refusal> readParasitics(std::string_view value, Options& options) {
    design::Parasitics parts;
    bool inductance = false;
    bool capacitance = false;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        const std::string_view part = value.substr(start, comma - start);
        start = comma + 1;
        const bool isL = part.starts_with("L=") || part.starts_with("l=");
        const bool isC = part.starts_with("C=") || part.starts_with("c=");
        if (!isL && !isC) {
            return Refusal{
                about("--parasitics", value, quoted(part) + " is not L=HENRIES or C=FARADS")};
        }
        if ((isL && inductance) || (isC && capacitance)) {
            return Refusal{
                about("--parasitics", value, std::string(isL ? "L" : "C") + " is given twice")};
        }
        const std::string_view number = part.substr(2);
        const Quantity quantity = isL ? henries("--parasitics") : farads;
        const QuantityReading reading = readQuantity(number, quantity);
        if (const auto* fault = std::get_if<QuantityFault>(&reading)) {
            const std::string verb = *fault == QuantityFault::NotANumber ? " is " : " ";
            return Refusal{about("--parasitics", value,
                                 quoted(number) + verb + std::string(reasonFor(*fault, quantity)))};
        }
        (isL ? parts.seriesHenries : parts.shuntFarads) = std::get<double>(reading);
        (isL ? inductance : capacitance) = true;
    }
    options.partModel.parts = parts;
    options.partModel.packageName = {};
    options.parasiticsText = value;
    return std::nullopt;
}

std::optional<Refusal> readVia(std::string_view value, Options& options) {
    const auto reading = readOption(value, henries("--via"));
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    options.partModel.viaHenries = std::get<double>(reading);
    options.viaText = value;
    return std::nullopt;
}

std::optional<Refusal> readFlatness(std::string_view value, Options& options) {
    constexpr Quantity flatness = {.option = "--flatness",
                                   .unit = "dB",
                                   .lowest = 0.0,
                                   .lowestAllowed = false,
                                   .outside = "must be a flatness above 0 dB"};
    const auto reading = readOption(value, flatness);
    if (const auto* refusal = std::get_if<Refusal>(&reading)) {
        return *refusal;
    }
    options.flatnessDb = std::get<double>(reading);
    options.flatnessGiven = true;
    return std::nullopt;
}

std::optional<Refusal> readTouchstoneVersion(std::string_view value, Options& options) {
    if (value == "1.1") {
        options.touchstone = TouchstoneVersion::V1_1;
    } else if (value == "2.0") {
        options.touchstone = TouchstoneVersion::V2_0;
    } else {
        return Refusal{about("--touchstone", value, "not one of 1.1, 2.0")};
    }
    options.touchstoneText = value;
    return std::nullopt;
}

namespace {

// The option that set the model, to name it: the package or the parts, else the via.
std::string modelOption(const Options& options) {
    if (!options.packageText.empty()) {
        return "--package";
    }
    return options.parasiticsText.empty() ? "--via" : "--parasitics";
}

std::optional<Refusal> sweepRefusal(const Options& options) {
    const bool touchstone = options.format == OutputFormat::Touchstone;
    if (touchstone && options.table) {
        return Refusal{"--format touchstone: a Touchstone file holds one network, not a table "
                       "of designs"};
    }
    if (touchstone && options.frequenciesHz.empty()) {
        return Refusal{"--format touchstone needs --freq (HZ, or FROM:TO:POINTS)"};
    }
    if (!options.touchstoneText.empty() && !touchstone) {
        return Refusal{"--touchstone: only with --format touchstone"};
    }
    if (options.frequenciesHz.empty()) {
        return std::nullopt;
    }
    const std::string freq = "--freq " + quoted(options.frequencyText);
    if (options.format == OutputFormat::Spice) {
        // A check has no Touchstone file: it writes the resistors one has, not a design.
        return Refusal{freq + (options.given ? ": a sweep is written as text, csv or json"
                                             : ": a sweep is written as text, csv, json or "
                                               "touchstone")};
    }
    if (options.table) {
        return Refusal{freq + ": one design at a time, not a table"};
    }
    return std::nullopt;
}

} // namespace

std::optional<Refusal> responseRefusal(const Options& options) {
    if (auto refusal = sweepRefusal(options)) {
        return refusal;
    }
    if (!options.packageText.empty() && !options.parasiticsText.empty()) {
        return Refusal{"--parasitics: not with --package (one or the other)"};
    }
    const bool text = options.format == OutputFormat::Text;
    if (options.bandwidthOnly) {
        if (options.table) {
            return Refusal{"--bandwidth: one design at a time, not a table"};
        }
        if (!options.frequenciesHz.empty()) {
            return Refusal{"--bandwidth: answers alone, not with --freq"};
        }
        if (!text && options.format != OutputFormat::Csv && options.format != OutputFormat::Json) {
            return Refusal{"--bandwidth: written as text, csv or json"};
        }
    }
    if (options.modelGiven() && options.table && options.format != OutputFormat::Spice) {
        return Refusal{modelOption(options) + ": one design at a time, not a table (or as spice)"};
    }
    if (options.modelGiven() && !text && options.format != OutputFormat::Spice &&
        options.frequenciesHz.empty() && !options.bandwidthOnly) {
        return Refusal{modelOption(options) +
                       ": as csv or json, only with --freq or --bandwidth, which it changes"};
    }
    // The text report gives the bandwidth wherever the parts are modelled.
    const bool bandwidth = options.bandwidthOnly || (options.modelGiven() && text);
    if (options.flatnessGiven && !bandwidth) {
        return Refusal{"--flatness: only where a usable bandwidth is reported (--bandwidth, or "
                       "--package, --parasitics or --via as text)"};
    }
    if (options.minReturnLossGiven && !options.optimise && !bandwidth) {
        return Refusal{options.given ? "--min-return-loss: only where a usable bandwidth is "
                                       "reported (--bandwidth, or --package, --parasitics or "
                                       "--via as text)"
                                     : "--min-return-loss: only with --optimise, the search it "
                                       "bounds, or a usable bandwidth"};
    }
    return std::nullopt;
}

} // namespace zelmarino::cli
