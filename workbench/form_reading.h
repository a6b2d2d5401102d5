// The workbench's form as text and choices, and what it asks for once read: a design request
// (or the resistors a user has), how the parts are built and the sweep. Every field is read
// by the command line's own readers; a field that cannot be read carries its reason, which
// the window shows on that field.
#pragma once

#include "design/evaluation.h"
#include "design/resistor_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zelmarino::workbench {

enum class Mode { Design, Check };

// How the resistors are built: ideal, one of the known packages, or the user's own values.
enum class PartsKind { Ideal, Package, Own };

struct FormFields {
    Mode mode = Mode::Design;
    design::Network network = design::Network::Pi;
    design::ShuntAt shuntAt = design::ShuntAt::Output; // an L's; ignored by the others
    std::string zin;
    std::string zout;
    std::string loss;
    bool minimumLoss = false; // the pad of least loss: the loss field is not read
    std::string series;       // "E24", or empty for exact values only
    bool optimise = false;
    bool pairs = false;
    std::string minReturnLoss = "30"; // the search's floor and the bandwidth's
    std::string tolerance;            // percent
    std::string power;                // watts or dBm
    std::string rating;               // watts
    PartsKind parts = PartsKind::Ideal;
    std::string package;       // with PartsKind::Package, its name
    std::string parasitics;    // with PartsKind::Own, as the command line takes it: "L=1nH,C=50f"
    std::string viaInductance; // each shunt arm's way to ground, with a package or own parts
    std::string f0;            // the design frequency of networks with lines
    design::Root root = design::Root::Low; // the reflection attenuator's
    design::LineModel lineModel =
        design::LineModel::Ideal; // a network's lines, or their equivalent
    std::string flatness = "0.1"; // dB
    std::string sweepFrom = "1MHz";
    std::string sweepTo = "10GHz";
    std::size_t points = 1001;
    std::vector<std::string> arms; // Mode::Check: R1, R2, … as the catalogue orders them
};

enum class Field {
    Zin,
    Zout,
    Loss,
    MinReturnLoss,
    Tolerance,
    Power,
    Rating,
    Parasitics,
    ViaInductance,
    F0,
    Flatness,
    SweepFrom,
    SweepTo,
    Arm, // with its index
};

struct FieldError {
    Field field;
    std::size_t arm = 0;
    std::string reason; // in English; the window translates the ones it knows
};

struct Sweep {
    double fromHz = 1e6;
    double toHz = 1e10;
    std::size_t points = 1001;
};

struct FormReading {
    design::Request request;
    float lossDb = 0.0F;             // as asked, or the minimum-loss pad's
    std::vector<design::Part> given; // Mode::Check
    design::PartModel model;
    double f0Hz = 0.0;
    double flatnessDb = 0.1;
    Sweep sweep;
    std::vector<FieldError> errors;

    [[nodiscard]] bool ok() const { return errors.empty(); }
    [[nodiscard]] const FieldError* errorOf(Field field, std::size_t arm = 0) const;
};

[[nodiscard]] FormReading readForm(const FormFields& fields);

} // namespace zelmarino::workbench
