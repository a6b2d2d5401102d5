// zelmarino-calc check NETWORK --zin … --zout … --r1 … --r2 … [--r3 …]: the resistors one
// has, analysed in the places of the network's arms.
#pragma once

#include "cli/options.h"
#include "cli/run.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
class ParseError;
} // namespace CLI

namespace zelmarino::cli {

// The check subcommand of the program's one command line. Each option's text is kept as typed,
// then read by the same readers as the design's.
class CheckCommand {
public:
    explicit CheckCommand(CLI::App& program);
    CheckCommand(const CheckCommand&) = delete;
    CheckCommand& operator=(const CheckCommand&) = delete;
    CheckCommand(CheckCommand&&) = delete;
    CheckCommand& operator=(CheckCommand&&) = delete;
    ~CheckCommand();

    [[nodiscard]] bool given() const; // the command line named it
    [[nodiscard]] std::string help() const;
    // Says in this program's words what CLI11 refused within the check.
    [[nodiscard]] Refusal refusal(const CLI::ParseError& error) const;
    // What was typed, read: the options of a check, or why not.
    [[nodiscard]] ParsedCommand command() const;

    struct Typed;

private:
    std::unique_ptr<Typed> m_typed;
    CLI::App* m_app = nullptr; // owned by the program's App
};

// The network as built and its check, laid out as a design's report is (see check_output.h);
// nothing when it cannot be solved.
[[nodiscard]] std::optional<formats::DesignReport> checkNetwork(const CheckOptions& check);

// Loss, port resistances, return losses, VSWR and |Γ| of the network as built and, with
// --power, what each resistor dissipates, in the format asked for; with a part model or a
// sweep, its response as the design command writes one.
[[nodiscard]] RunResult runCheck(const CheckOptions& check);

} // namespace zelmarino::cli
