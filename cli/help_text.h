// How --help lays out what the command line declares to CLI11: the usage line, the
// description, the networks to choose from, the options in two columns and the notes after.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace CLI {
class Formatter;
class Option;
} // namespace CLI

namespace zelmarino::cli {

struct Choice {
    std::string_view name; // as typed: "pi"
    std::string_view what; // lines after the first start under the first
};

// `choices` are listed under the positional argument's group; the usage line names
// `mustGive`, each with its value, in their order.
[[nodiscard]] std::shared_ptr<CLI::Formatter> helpLayout(std::vector<Choice> choices,
                                                         std::vector<const CLI::Option*> mustGive);

} // namespace zelmarino::cli
