// A design's response as built: the usable bandwidth its parts allow, per package, and its
// S-parameters over a sweep, in the text report and as csv and json documents of their own.
#pragma once

#include "design/response.h"
#include "formats/report.h"
#include "formats/request.h"

#include <optional>
#include <string>
#include <vector>

namespace zelmarino::formats {

// The usable bandwidth of the design built of one kind of part.
struct BandwidthRow {
    std::string name;        // "0603", or "own" for the parts of --parasitics
    std::string description; // "0603 thick-film chip"
    design::Parasitics parts;
    bool chosen; // the parts the command line asked for
    design::Bandwidth bandwidth;
};

struct Response {
    std::string values;                       // "exact", "E24", "optimised E24"; a check's "given"
    std::vector<BandwidthRow> bandwidths;     // with a model, or --bandwidth
    std::vector<design::ResponsePoint> sweep; // with --freq
    // A network of lines with a model: its check at f0 as built of those parts.
    std::optional<design::PortCheck> builtAtDesignFrequency{};
};

// A frequency for machines: twelve digits, so that a logarithmic sweep's decades read as
// 1e+08 rather than as the last bit of their rounding.
[[nodiscard]] std::string frequencyMachine(double hz);

// "1.234 GHz"; "above 1 THz" beyond the search's ceiling, "none" when outside at DC.
[[nodiscard]] std::string bandwidthText(const design::Bandwidth& bandwidth);

// The table of every package's bandwidth, the chosen parts marked, under a line that says
// what the bandwidth keeps.
void writeBandwidthText(std::string& out, const Options& options, const DesignReport& report,
                        const std::vector<BandwidthRow>& rows);

// --bandwidth as text: one line for the parts asked for, else the table.
void writeBandwidthAlone(std::string& out, const Options& options, const DesignReport& report,
                         const std::vector<BandwidthRow>& rows);

// One line: the check at f0 of a network of lines as built of the parts asked for.
void writeBuiltCheckText(std::string& out, const Options& options, const Response& response);

// Per frequency: S21, S11 and S22 in dB (and a splitter's further ports).
void writeSweepText(std::string& out, const Response& response);

// The csv and json documents of a sweep, or of the bandwidths with --bandwidth.
void writeResponseCsv(std::string& out, const Options& options, const DesignReport& report,
                      const Response& response);
void writeResponseJson(std::string& out, const Options& options, const DesignReport& report,
                       const Response& response);

} // namespace zelmarino::formats
