#include "workbench/form_reading.h"

#include "cli/frequency_option.h"
#include "cli/model_options.h"
#include "cli/option_values.h"
#include "cli/quantity_reader.h"
#include "cli/quoted.h"
#include "design/checked.h"
#include "design/placement.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <tuple>

namespace zelmarino::workbench {

namespace {

using cli::Prefixes;
using cli::Quantity;
using cli::Refusal;

// The command line's readers name the option and echo the text before the reason; a field
// shows the reason alone, beside what was typed.
std::string reasonOf(const Refusal& refusal, std::string_view option, std::string_view text) {
    const std::string prefix = std::string(option) + " " + cli::quoted(text) + ": ";
    std::string_view message = refusal.message;
    if (message.starts_with(prefix)) {
        message.remove_prefix(prefix.size());
    }
    return std::string(message);
}

constexpr std::string_view needed = "needed";

// The design frequency has no command-line option to read it.
constexpr Quantity hertz = {.unit = "Hz",
                            .prefixes = Prefixes::Allowed,
                            .lowest = 0.0,
                            .lowestAllowed = false,
                            .outside = "must be a frequency above 0 Hz"};

class Reader {
public:
    explicit Reader(FormReading& reading)
        : m_reading(reading) {}

    void fail(Field field, std::string reason, std::size_t arm = 0) {
        m_reading.errors.push_back({field, arm, std::move(reason)});
    }

    // A refusal from one of the command line's readers, on `field`.
    bool refused(const std::optional<Refusal>& refusal, Field field, std::string_view option,
                 std::string_view text, std::size_t arm = 0) {
        if (refusal) {
            fail(field, reasonOf(*refusal, option, text), arm);
        }
        return refusal.has_value();
    }

    // A quantity of the workbench's own, or `empty` when nothing is typed.
    std::optional<double> quantity(const std::string& text, const Quantity& form, Field field,
                                   std::optional<double> empty) {
        if (text.empty()) {
            if (!empty) {
                fail(field, std::string(needed));
            }
            return empty;
        }
        const cli::QuantityReading reading = cli::readQuantity(text, form);
        if (const auto* fault = std::get_if<cli::QuantityFault>(&reading)) {
            fail(field, std::string(cli::reasonFor(*fault, form)));
            return std::nullopt;
        }
        return std::get<double>(reading);
    }

private:
    FormReading& m_reading;
};

void readImpedances(const FormFields& fields, Reader& reader, design::Request& request) {
    const std::array<std::tuple<const std::string*, float*, Field, std::string_view>, 2> ports = {
        {{&fields.zin, &request.zin, Field::Zin, "--zin"},
         {&fields.zout, &request.zout, Field::Zout, "--zout"}}};
    for (const auto& [text, ohms, field, option] : ports) {
        if (text->empty()) {
            reader.fail(field, std::string(needed));
        } else {
            reader.refused(cli::readImpedance(option, *text, *ohms), field, option, *text);
        }
    }
}

void readChoices(const FormFields& fields, Reader& reader, cli::Options& options) {
    options.series = design::seriesNamed(fields.series);
    options.optimise = options.series.has_value() && fields.optimise;
    options.pairs = options.optimise && fields.pairs;
    if (!fields.minReturnLoss.empty()) {
        reader.refused(cli::readMinReturnLoss(fields.minReturnLoss, options), Field::MinReturnLoss,
                       "--min-return-loss", fields.minReturnLoss);
    }
    if (!fields.tolerance.empty()) {
        reader.refused(cli::readTolerance(fields.tolerance, options), Field::Tolerance,
                       "--tolerance", fields.tolerance);
    }
    if (!fields.power.empty()) {
        reader.refused(cli::readPower(fields.power, options), Field::Power, "--power",
                       fields.power);
    }
    if (!fields.rating.empty() &&
        !reader.refused(cli::readRating(fields.rating, options), Field::Rating, "--rating",
                        fields.rating) &&
        fields.power.empty()) {
        reader.fail(Field::Rating, "needs a power, the source power whose dissipation it scales");
    }
}

// The loss asked for, or the minimum-loss pad's, once the impedances are known.
void readLoss(const FormFields& fields, Reader& reader, FormReading& reading, bool portsRead) {
    const design::Request& request = reading.request;
    if (fields.minimumLoss) {
        if (!portsRead) {
            return;
        }
        if (const auto loss = design::minimumLossPad(request.network, request.zin, request.zout,
                                                     request.shuntAt)) {
            reading.lossDb = *loss;
        } else if (request.zin == request.zout) {
            reader.fail(Field::Loss, "between equal impedances the least loss is 0 dB, no pad "
                                     "at all");
        } else {
            reader.fail(Field::Loss, "an L matches both ports only with its shunt across the "
                                     "smaller impedance");
        }
        return;
    }
    if (fields.loss.empty()) {
        reader.fail(Field::Loss, std::string(needed));
        return;
    }
    if (fields.loss.find(':') != std::string::npos || fields.loss == "min") {
        reader.fail(Field::Loss, "must be a loss above 0 dB");
        return;
    }
    cli::Options options;
    if (reader.refused(cli::readLosses(fields.loss, options), Field::Loss, "--db", fields.loss)) {
        return;
    }
    reading.lossDb = options.lossesDb.front();
    if (!portsRead) {
        return;
    }
    try {
        static_cast<void>(design::designPlaced(request.network, request.zin, request.zout,
                                               reading.lossDb, request.shuntAt));
    } catch (const design::FloatError&) {
        // The arithmetic fails only at the ends: where K = 10^(A/20) rounds to 1, or where
        // K² overflows.
        const bool kIsOne = design::voltageRatio(reading.lossDb).value() == 1.0;
        reader.fail(Field::Loss,
                    kIsOne ? "too small: 10^(A/20) rounds to 1" : "too large for double precision");
    }
}

void readArms(const FormFields& fields, Reader& reader, FormReading& reading) {
    const auto arms = design::armsOf(reading.request.network, reading.request.shuntAt);
    reading.given.assign(arms.size(), design::Part{});
    for (std::size_t i = 0; i < arms.size(); ++i) {
        const std::string text = i < fields.arms.size() ? fields.arms[i] : std::string();
        if (text.empty()) {
            reader.fail(Field::Arm, std::string(needed), i);
            continue;
        }
        const std::string option = "--" + std::string(arms[i].name);
        reader.refused(cli::readArm(option, text, reading.given[i]), Field::Arm, option, text, i);
    }
}

void readModel(const FormFields& fields, Reader& reader, FormReading& reading) {
    if (fields.parts == PartsKind::Ideal) {
        return;
    }
    cli::Options options;
    if (fields.parts == PartsKind::Package) {
        reader.refused(cli::readPackage(fields.package, options), Field::Parasitics, "--package",
                       fields.package);
    } else if (fields.parasitics.empty()) {
        reader.fail(Field::Parasitics, std::string(needed));
    } else {
        reader.refused(cli::readParasitics(fields.parasitics, options), Field::Parasitics,
                       "--parasitics", fields.parasitics);
    }
    if (!fields.viaInductance.empty()) {
        reader.refused(cli::readVia(fields.viaInductance, options), Field::ViaInductance, "--via",
                       fields.viaInductance);
    }
    reading.model = options.partModel;
}

// One frequency of the sweep, above 0 Hz for its logarithmic axis.
std::optional<double> readSweepEnd(const std::string& text, Field field, Reader& reader) {
    if (text.empty()) {
        reader.fail(field, std::string(needed));
        return std::nullopt;
    }
    cli::Options options;
    if (text.find(':') != std::string::npos) {
        reader.fail(field, "must be a frequency above 0 Hz");
        return std::nullopt;
    }
    if (reader.refused(cli::readFrequencies(text, options), field, "--freq", text)) {
        return std::nullopt;
    }
    if (!(options.frequenciesHz.front() > 0.0)) {
        reader.fail(field, "must be a frequency above 0 Hz");
        return std::nullopt;
    }
    return options.frequenciesHz.front();
}

void readSweep(const FormFields& fields, Reader& reader, FormReading& reading) {
    reading.f0Hz = reader.quantity(fields.f0, hertz, Field::F0, 0.0).value_or(0.0);
    if (reading.f0Hz > 0.0) {
        reading.request.f0Hz = reading.f0Hz; // the networks with lines are designed at it
    }
    cli::Options options;
    if (fields.flatness.empty()) {
        reader.fail(Field::Flatness, std::string(needed));
    } else if (!reader.refused(cli::readFlatness(fields.flatness, options), Field::Flatness,
                               "--flatness", fields.flatness)) {
        reading.flatnessDb = options.flatnessDb;
    }
    const auto from = readSweepEnd(fields.sweepFrom, Field::SweepFrom, reader);
    const auto to = readSweepEnd(fields.sweepTo, Field::SweepTo, reader);
    if (from && to && !(*to > *from)) {
        reader.fail(Field::SweepTo, "must be above the start of the sweep");
    } else if (from && to) {
        reading.sweep = {*from, *to,
                         std::clamp<std::size_t>(fields.points, 2, cli::maximumFrequencies)};
    }
}

// What no field shows alone: a pad matched only between equal impedances, a power whose
// dissipation would overflow. Only an L's shunt is ever placed, so no objection to it comes.
void readObjection(Reader& reader, const FormReading& reading, bool given) {
    if (const auto objection = design::objection(reading.request, given)) {
        using enum design::Objection::Subject;
        const Field field = objection->subject == Power ? Field::Power
                            : objection->subject == Impedances || objection->subject == Shunt
                                ? Field::Zout
                                : Field::F0; // the lines' objections
        reader.fail(field, objection->reason);
    }
}

} // namespace

const FieldError* FormReading::errorOf(Field field, std::size_t arm) const {
    for (const FieldError& error : errors) {
        if (error.field == field && error.arm == arm) {
            return &error;
        }
    }
    return nullptr;
}

FormReading readForm(const FormFields& fields) {
    FormReading reading;
    Reader reader(reading);
    design::Request& request = reading.request;
    request.network = fields.network;
    const bool placeable = !design::entryOf(fields.network).armsShuntAtInput.empty();
    request.shuntAt = placeable ? fields.shuntAt : design::ShuntAt::Output;
    request.shuntChosen = placeable;
    request.root = fields.root;
    request.lineModel = fields.lineModel;
    readImpedances(fields, reader, request);
    const bool portsRead = reading.errors.empty();
    cli::Options options;
    static_cast<design::Request&>(options) = request;
    readChoices(fields, reader, options);
    request = options;
    if (fields.mode == Mode::Design) {
        readLoss(fields, reader, reading, portsRead);
    } else {
        readArms(fields, reader, reading);
    }
    readModel(fields, reader, reading);
    readSweep(fields, reader, reading);
    if (portsRead) {
        readObjection(reader, reading, fields.mode == Mode::Check);
    }
    return reading;
}

} // namespace zelmarino::workbench
