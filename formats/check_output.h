// The formats of zelmarino-calc check: the network as built, each arm as given and as read,
// and its check, in text, csv, json or as a SPICE subcircuit (each resistor built of the parts
// of --package or --parasitics, with its via, if given).
//
// Each takes the check laid out as a design's report, so that the fields of every format
// read it alike: its design names the arms and holds the resistors as built, with the loss
// as built; `exact` is their check, and with --power come `power` and, with --rating,
// `toleratedWatts`.
#pragma once

#include "formats/report.h"
#include "formats/request.h"

#include <string>

namespace zelmarino::formats {

void writeCheckText(std::string& out, const CheckOptions& check, const DesignReport& built);
void writeCheckCsv(std::string& out, const CheckOptions& check, const DesignReport& built);
void writeCheckJson(std::string& out, const CheckOptions& check, const DesignReport& built);
void writeCheckSpice(std::string& out, const CheckOptions& check, const DesignReport& built);

} // namespace zelmarino::formats
