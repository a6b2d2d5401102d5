// zelmarino-calc: the window's attenuator calculation on the command line.
#include "cli/output_sink.h"
#include "cli/run.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const auto result = zelmarino::cli::run(arguments);
        zelmarino::cli::FileSink out(stdout);
        out.write(result.out);
        out.flush();
        std::fwrite(result.err.data(), 1, result.err.size(), stderr);
        return result.exitStatus;
    } catch (const zelmarino::cli::WriteError& error) {
        std::fprintf(stderr, "zelmarino-calc: cannot write the output: %s\n", error.what());
        return zelmarino::cli::exitRefused;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelmarino-calc: %s\n", error.what());
        return zelmarino::cli::exitRefused;
    }
}
