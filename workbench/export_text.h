// What the workbench writes to a file, in the command line's own formats: the design (or the
// resistors checked) as SPICE, Touchstone, csv or json.
#pragma once

#include "workbench/form_reading.h"
#include "workbench/outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelmarino::workbench {

enum class ExportFormat { Spice, Touchstone, Csv, Json };

// "cir", "s2p", "csv", "json".
[[nodiscard]] std::string_view extensionOf(ExportFormat format);

// The file's text; nothing without a report to write. The optimised set is written in csv
// and json, as the command line writes it.
[[nodiscard]] std::optional<std::string> exportText(ExportFormat format, const FormFields& fields,
                                                    const Outcome& outcome);

} // namespace zelmarino::workbench
