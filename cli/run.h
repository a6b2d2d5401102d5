// The whole program but its input and output streams, so tests and benchmarks can run it.
#pragma once

#include "cli/output_sink.h"

#include <span>
#include <string>
#include <string_view>

namespace zelmarino::cli {

inline constexpr int exitBelowMinimum = 1;
inline constexpr int exitRefused = 2;

// Runs the command and returns its exit status: 0 done, 1 a design below the minimum loss,
// 2 refused. The output goes to `out` as it is made, so a table of any length is written as
// it grows; the messages for standard error are left in `err`. Throws WriteError from `out`.
// `arguments` excludes the program name.
[[nodiscard]] int run(std::span<const std::string_view> arguments, OutputSink& out,
                      std::string& err);

// What a run prints and how it ends, all held, for tests.
struct RunResult {
    int exitStatus = 0;
    std::string out;
    std::string err;
};

[[nodiscard]] RunResult run(std::span<const std::string_view> arguments);

} // namespace zelmarino::cli
