// Output that cannot be written is never lost in silence: whatever the size and the format,
// the program says why in one line and ends with status 2.
#include "tests/cli/case_name.h"
#include "tests/cli/program.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace zelmarino::cli::testing {
namespace {

// A descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {
        if (m_fd < 0) {
            throw std::runtime_error("cannot open a descriptor");
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor() { close(m_fd); }
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd;
};

struct Output {
    const char* name;
    std::vector<std::string> arguments;
};

// From one line to far more than any buffer holds.
const std::vector<Output> outputs = {
    {"one_design_text", {"pi", "--zin", "75", "--zout", "50", "--db", "10"}},
    {"one_design_json", {"t", "--zin", "50", "--zout", "50", "--db", "6", "--format", "json"}},
    {"large_table_csv",
     {"pi", "--zin", "75", "--zout", "50", "--db", "6:60:0.01", "--format", "csv"}},
    {"large_table_text", {"l-in", "--zin", "600", "--zout", "50", "--db", "22:60:0.01"}},
    {"large_table_spice",
     {"t", "--zin", "50", "--zout", "50", "--db", "1:30:0.01", "--format", "spice"}},
};

class LostOutput : public ::testing::TestWithParam<Output> {};

TEST_P(LostOutput, on_a_full_disk_is_reported_with_status_2) {
    const Descriptor full(open("/dev/full", O_WRONLY | O_CLOEXEC));
    const ProgramRun run = runCalc(GetParam().arguments, full.fd());
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err, "zelmarino-calc: cannot write the output: No space left on device\n");
}

TEST_P(LostOutput, on_a_closed_pipe_with_sigpipe_ignored_is_reported_with_status_2) {
    // The program inherits the ignored signal, as from a shell that ignores it.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    std::array<int, 2> ends{};
    ASSERT_EQ(pipe2(ends.data(), O_CLOEXEC), 0);
    close(ends[0]); // nobody reads
    const Descriptor writing(ends[1]);
    const ProgramRun run = runCalc(GetParam().arguments, writing.fd());
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err, "zelmarino-calc: cannot write the output: Broken pipe\n");
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, LostOutput, ::testing::ValuesIn(outputs), CaseName{});

} // namespace
} // namespace zelmarino::cli::testing
