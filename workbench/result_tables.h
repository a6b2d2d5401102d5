// The workbench's two tables as text, without widgets: one row per arm (its values exact,
// standard and optimised, and the load it carries) and one row per check of the ports. The
// window shows them; the clipboard takes the arms as tab-separated lines.
#pragma once

#include "design/evaluation.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::workbench {

enum class ArmColumn {
    Name,
    Place,
    Exact,
    Standard,
    Optimised,
    Dissipation,
    Voltage,
    Current,
    Tolerated,
};
inline constexpr std::size_t armColumnCount = 9;

using ArmRow = std::array<std::string, armColumnCount>;

// Empty cells where the report has no such figure.
[[nodiscard]] std::vector<ArmRow> armRows(const design::Report& report);

enum class CheckColumn { Figure, Exact, Standard, Optimised, WorstCase };
inline constexpr std::size_t checkColumnCount = 5;

struct CheckRow {
    std::string_view label; // "Input return loss", as the formats word it, in English
    std::string_view unit;  // "dB"; empty for a ratio
    std::array<std::string, checkColumnCount - 1> cells;
};

[[nodiscard]] std::vector<CheckRow> checkRows(const design::Report& report);

// Tab between cells, a line feed after each line: what a spreadsheet pastes. A tab or line
// break within a cell becomes a blank, so that every line keeps its cells.
[[nodiscard]] std::string tabSeparated(const std::vector<std::vector<std::string>>& lines);

} // namespace zelmarino::workbench
