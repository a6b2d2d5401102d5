// zelmarino-calc: the window's attenuator calculation on the command line.
#include "cli/run.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const auto result = zelmarino::cli::run(arguments);
        std::fwrite(result.out.data(), 1, result.out.size(), stdout);
        std::fwrite(result.err.data(), 1, result.err.size(), stderr);
        if (std::fflush(stdout) != 0) {
            std::fputs("zelmarino-calc: cannot write the output\n", stderr);
            return zelmarino::cli::exitRefused;
        }
        return result.exitStatus;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelmarino-calc: %s\n", error.what());
        return zelmarino::cli::exitRefused;
    }
}
