// The search for the best standard values of one design: a 10 dB Pi from 75 to 50 ohm in
// E24, alone and with pairs. One design with pairs must take under 50 ms.
#include "design/attenuator.h"
#include "design/optimise.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zelmarino::design;

void optimise(benchmark::State& state) {
    const bool pairs = state.range(0) != 0;
    const Attenuator exact = designAttenuator(Network::Pi, 75.0F, 50.0F, 10.0F);
    const auto resistors = resistorsOf(exact);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            optimiseStandard(resistors, 75.0, 50.0, {10.0, 30.0, ESeries::E24, pairs}));
    }
    state.SetLabel(pairs ? "with pairs" : "single values");
}

BENCHMARK(optimise)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
