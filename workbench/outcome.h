// What the workbench shows for its form: the evaluation of the design or of the resistors
// given, and the response of the pad as built over the sweep, with its usable bandwidth.
#pragma once

#include "design/evaluation.h"
#include "design/response.h"
#include "workbench/form_reading.h"

#include <optional>
#include <string>
#include <vector>

namespace zelmarino::workbench {

// The response in decibels, one entry per frequency; not a number where the circuit has no
// solution.
struct Curves {
    std::vector<double> hz;
    std::vector<double> s21Db;
    std::vector<double> s11Db;
    std::vector<double> s22Db;
};

struct Outcome {
    FormReading reading;
    std::optional<design::Report> report;
    std::optional<Curves> curves; // for a pad that can be built
    std::optional<design::Bandwidth> bandwidth;
    std::string problem; // what no field is to blame for, in English; empty when none
};

[[nodiscard]] Outcome evaluateForm(const FormFields& fields);

// The response of `report` as built with the reading's parts, over its sweep.
[[nodiscard]] Curves responseCurves(const design::Report& report, const FormReading& reading);

} // namespace zelmarino::workbench
