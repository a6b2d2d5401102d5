// How long a pad's frequency response takes: a 10,001-point sweep of a 50 ohm 10 dB Pi of
// 0603 parts from 1 MHz to 10 GHz, and the search for its usable bandwidth.
#include "design/evaluation.h"
#include "design/resistor_model.h"
#include "design/response.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zelmarino::design;

BuiltNetwork pi0603() {
    Request request;
    request.network = Network::Pi;
    request.zin = 50.0F;
    request.zout = 50.0F;
    const Package& package = *packageNamed("0603");
    return builtNetworkOf(evaluateDesign(request, 10.0F), {package.parasitics, 0.0, package.name});
}

void sweepsAPi(benchmark::State& state) {
    const BuiltNetwork network = pi0603();
    const std::vector<double> hz = frequencyGrid(1e6, 10e9, 10'001, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sweep(network, hz));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(hz.size()));
}

void findsTheBandwidth(benchmark::State& state, double minReturnLossDb) {
    const BuiltNetwork network = pi0603();
    for (auto _ : state) {
        benchmark::DoNotOptimize(usableBandwidth(network, Matched::Both, {0.1, minReturnLossDb}));
    }
}

} // namespace

BENCHMARK(sweepsAPi)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(findsTheBandwidth, return_loss_30_db, 30.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(findsTheBandwidth, return_loss_20_db, 20.0)->Unit(benchmark::kMicrosecond);
