// A table is written as it is made: its first design reaches the output before the second
// is made, in every format, so a long table starts at once and is held nowhere whole.
#include "cli/output_sink.h"
#include "cli/run.h"
#include "tests/cli/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zelmarino::cli::testing {
namespace {

// Keeps the first piece written and refuses it, which ends the run there.
class FirstPieceOnly final : public OutputSink {
public:
    void write(std::string_view text) override {
        piece = text;
        throw WriteError("enough");
    }
    std::string piece;
};

std::size_t occurrences(const std::string& text, std::string_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

struct Format {
    const char* name;
    std::string_view format;
    std::string_view oncePerDesign; // appears once for each design written
};

class FirstPiece : public ::testing::TestWithParam<Format> {};

TEST_P(FirstPiece, holds_the_beginning_and_exactly_one_design) {
    const std::vector<std::string_view> arguments = {
        "pi",   "--zin",         "75",       "--zout",         "50",
        "--db", "0.01:100:0.01", "--format", GetParam().format};
    FirstPieceOnly sink;
    std::string err;
    EXPECT_THROW((void)run(arguments, sink, err), WriteError);
    EXPECT_EQ(occurrences(sink.piece, GetParam().oncePerDesign), 1U) << sink.piece;
    EXPECT_NE(sink.piece.find("0.01"), std::string::npos) << sink.piece;
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, FirstPiece,
                         ::testing::Values(Format{"csv", "csv", "\npi,75,50,"},
                                           Format{"json", "json", "\"realisable\""},
                                           Format{"spice", "spice", ".subckt "},
                                           // Every row's input resistance, in a column of
                                           // its own.
                                           Format{"text", "text", "  75  "}),
                         CaseName{});

// The run as a whole writes what the pieces held: the same as one design at a time.
TEST(Streaming, a_table_in_pieces_equals_its_designs_written_one_by_one) {
    const std::vector<std::string_view> table = {"t",    "--zin",    "600",      "--zout", "50",
                                                 "--db", "20:30:10", "--format", "csv"};
    const RunResult whole = run(table);
    ASSERT_EQ(whole.exitStatus, 0);
    std::string joined;
    for (const std::string_view loss : {"20", "30"}) {
        const std::vector<std::string_view> one = {"t",    "--zin", "600",      "--zout", "50",
                                                   "--db", loss,    "--format", "csv"};
        const std::string out = run(one).out;
        joined += joined.empty() ? out : out.substr(out.find('\n') + 1);
    }
    EXPECT_EQ(whole.out, joined);
}

} // namespace
} // namespace zelmarino::cli::testing
