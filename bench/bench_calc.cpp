// How long a whole "Calcola" takes, through the in-memory window, and the formatting alone.
#include "calc/calculator.h"
#include "calc/memory_view.h"
#include "text/resistor_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

using zelmarino::Calculator;
using zelmarino::MemoryView;
using zelmarino::design::Network;

void designs(benchmark::State& state, Network network, float zin, float zout) {
    MemoryView view;
    Calculator calculator(view);
    calculator.state().NetworkType = network;
    calculator.state().Zin = zin;
    calculator.state().Zout = zout;
    view.type(zelmarino::TextBox::Text3, "10");
    for (auto _ : state) {
        calculator.Command1_Click();
        benchmark::DoNotOptimize(calculator.state().R1);
    }
}

void formatsResistors(benchmark::State& state) {
    const std::array values{0.0123, 0.5, 7.25, 150.6, 12345.6, -8.54987};
    for (auto _ : state) {
        for (double value : values) {
            benchmark::DoNotOptimize(zelmarino::formatResistor(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

} // namespace

BENCHMARK_CAPTURE(designs, pi_symmetric, Network::Pi, 50.0F, 50.0F);
BENCHMARK_CAPTURE(designs, pi_asymmetric, Network::Pi, 75.0F, 50.0F);
BENCHMARK_CAPTURE(designs, t, Network::T, 75.0F, 50.0F);
BENCHMARK_CAPTURE(designs, t_exchanged, Network::T, 50.0F, 75.0F);
BENCHMARK_CAPTURE(designs, l_out, Network::LOut, 75.0F, 50.0F);
BENCHMARK_CAPTURE(designs, l_in, Network::LIn, 75.0F, 50.0F);
BENCHMARK(formatsResistors);
