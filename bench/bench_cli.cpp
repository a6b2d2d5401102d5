// zelmarino-calc making tables in-process, the output counted and dropped as it is written
// (no terminal, no file). With --series, --tolerance and --power every design also gets its
// rounded network checked, 8 tolerance corners and the dissipations. The table of a million
// designs is the largest the program makes; it must take under 2 s, and its memory stays
// flat however long the table (see /usr/bin/time -v on the program itself).
#include "cli/output_sink.h"
#include "cli/run.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 4> formats = {"text", "csv", "json", "spice"};

class CountingSink final : public zelmarino::cli::OutputSink {
public:
    void write(std::string_view text) override { bytes += text.size(); }
    std::size_t bytes = 0;
};

void table(benchmark::State& state, std::string_view losses, std::int64_t designs,
           bool everyOption) {
    const std::string_view format = formats.at(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string_view> arguments = {"pi",   "--zin", "75",       "--zout", "50",
                                               "--db", losses,  "--format", format};
    if (everyOption) {
        arguments.insert(arguments.end(), {"--series", "E24", "--tolerance", "1", "--power", "1W"});
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingSink out;
        std::string err;
        benchmark::DoNotOptimize(zelmarino::cli::run(arguments, out, err));
        bytes = out.bytes;
    }
    state.SetLabel(std::string(format) + ", " + std::to_string(bytes / 1024) + " KiB");
    state.SetItemsProcessed(state.iterations() * designs);
}

void BM_Table10000(benchmark::State& state) {
    table(state, "0.01:100:0.01", 10'000, false);
}
void BM_Table10000EveryOption(benchmark::State& state) {
    table(state, "0.01:100:0.01", 10'000, true);
}
void BM_Table1000000(benchmark::State& state) {
    table(state, "0.0001:100:0.0001", 1'000'000, false);
}

} // namespace

BENCHMARK(BM_Table10000)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table10000EveryOption)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table1000000)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);
