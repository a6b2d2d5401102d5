// The command line, read strictly: every argument is understood or the whole command is
// refused with one line that names the argument.
#pragma once

#include "formats/request.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelmarino::cli {

using formats::CheckOptions;
using formats::Options;
using formats::OutputFormat;

struct HelpRequest {
    std::string text;
};
struct VersionRequest {};

struct Refusal {
    std::string message; // one line, without the program name
};

// A table may hold at most this many designs.
inline constexpr std::size_t maximumRows = 1'000'000;

using ParsedCommand = std::variant<Options, HelpRequest, VersionRequest, Refusal, CheckOptions>;

// `arguments` excludes the program name.
[[nodiscard]] ParsedCommand parseCommand(std::span<const std::string_view> arguments);

} // namespace zelmarino::cli
