// Runs the built zelmarino-calc as a user would, and collects what it prints.
#pragma once

#include <string>
#include <vector>

namespace zelmarino::cli::testing {

struct ProgramRun {
    int exitStatus = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// `stdoutFd`, when given, replaces the collected standard output (which is then empty).
ProgramRun runProgram(const std::string& path, const std::vector<std::string>& arguments,
                      int stdoutFd = -1);

// The program under test, as the build placed it.
ProgramRun runCalc(const std::vector<std::string>& arguments, int stdoutFd = -1);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

} // namespace zelmarino::cli::testing
