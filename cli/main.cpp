// zelmarino-calc: the window's attenuator calculation on the command line.
#include "cli/output_sink.h"
#include "cli/run.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        zelmarino::cli::FileSink out(stdout);
        std::string err;
        const int status = zelmarino::cli::run(arguments, out, err);
        out.flush();
        std::fwrite(err.data(), 1, err.size(), stderr);
        return status;
    } catch (const zelmarino::cli::WriteError& error) {
        std::fprintf(stderr, "zelmarino-calc: cannot write the output: %s\n", error.what());
        return zelmarino::cli::exitRefused;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelmarino-calc: %s\n", error.what());
        return zelmarino::cli::exitRefused;
    }
}
