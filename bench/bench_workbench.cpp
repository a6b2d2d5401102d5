// The workbench's work for one keystroke: the form read and evaluated (a 75 to 50 ohm 10 dB Pi
// in E24, optimised, 1 % parts of 0603, power and rating), its response over 1,001 points and
// its usable bandwidth, and the plot repainted with them. It must fit in one frame, 16 ms.
#include "workbench/outcome.h"
#include "workbench/response_plot.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace zelmarino::workbench;

FormFields piDesign() {
    FormFields fields;
    fields.zin = "75";
    fields.zout = "50";
    fields.loss = "10";
    fields.series = "E24";
    fields.optimise = true;
    fields.tolerance = "1";
    fields.power = "1";
    fields.rating = "0.125";
    fields.parts = PartsKind::Package;
    fields.package = "0603";
    fields.points = 1001;
    return fields;
}

void recompute(benchmark::State& state) {
    const FormFields fields = piDesign();
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateForm(fields));
    }
}

void recomputeAndReplot(benchmark::State& state) {
    const FormFields fields = piDesign();
    ResponsePlot plot;
    plot.resize(900, 450);
    QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Outcome outcome = evaluateForm(fields);
        plot.setResponse(std::move(outcome.curves), {});
        plot.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

BENCHMARK(recompute)->Unit(benchmark::kMillisecond);
BENCHMARK(recomputeAndReplot)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
