// The whole program but its input and output streams, so tests and benchmarks can run it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelmarino::cli {

// What a run prints and how it ends.
struct RunResult {
    int exitStatus = 0; // 0 done, 1 a design below the minimum loss, 2 refused
    std::string out;
    std::string err;
};

inline constexpr int exitBelowMinimum = 1;
inline constexpr int exitRefused = 2;

// `arguments` excludes the program name.
[[nodiscard]] RunResult run(std::span<const std::string_view> arguments);

} // namespace zelmarino::cli
