// zelmarino-calc making a table of 10,000 designs, in each output format, in-process (the
// output goes to a string, not a terminal). With --series, --tolerance and --power every
// design also gets its rounded network checked, 8 tolerance corners and the dissipations.
#include "cli/run.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 4> formats = {"text", "csv", "json", "spice"};

void tableOfTenThousand(benchmark::State& state, bool everyOption) {
    const std::string_view format = formats.at(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string_view> arguments = {"pi",   "--zin",         "75",       "--zout", "50",
                                               "--db", "0.01:100:0.01", "--format", format};
    if (everyOption) {
        arguments.insert(arguments.end(), {"--series", "E24", "--tolerance", "1", "--power", "1W"});
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto result = zelmarino::cli::run(arguments);
        bytes = result.out.size();
        benchmark::DoNotOptimize(result.out.data());
    }
    state.SetLabel(std::string(format) + ", " + std::to_string(bytes / 1024) + " KiB");
    state.SetItemsProcessed(state.iterations() * 10000);
}

void BM_Table10000(benchmark::State& state) {
    tableOfTenThousand(state, false);
}
void BM_Table10000EveryOption(benchmark::State& state) {
    tableOfTenThousand(state, true);
}

} // namespace

BENCHMARK(BM_Table10000)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table10000EveryOption)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
