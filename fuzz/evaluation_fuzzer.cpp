// Draws any network of the catalogue, any impedances, loss, placement, series, tolerance and
// power, and evaluates it as the command line would. Nothing may crash or trip a sanitizer,
// and a design that can be built must match the ports its network is made for.
#include "design/checked.h"
#include "design/evaluation.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace zelmarino::design;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size) {}
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    // A positive float spread over many decades, as impedances and losses are typed.
    float positive(float least, float decades) {
        const auto fraction = static_cast<float>(byte() * 256 + byte()) / 65535.0F;
        return least * std::pow(10.0F, fraction * decades);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const auto networks = catalogue();
    const NetworkEntry& entry = networks[in.byte() % networks.size()];
    Request request;
    request.network = entry.network;
    request.zin = in.positive(0.01F, 9.0F);
    request.zout = entry.equalImpedancesOnly ? request.zin : in.positive(0.01F, 9.0F);
    request.shuntAt = (in.byte() & 1U) != 0 ? ShuntAt::Input : ShuntAt::Output;
    const std::uint8_t options = in.byte();
    if ((options & 1U) != 0) {
        request.series = static_cast<ESeries>(in.byte() % 6);
        request.optimise = (options & 2U) != 0 && size < 64; // the search is the slow part
    }
    if ((options & 4U) != 0) {
        request.tolerance = 0.001 + (in.byte() % 100) / 200.0;
    }
    if ((options & 8U) != 0) {
        request.availableWatts = in.positive(1e-6F, 8.0F);
        request.ratingWatts = 0.25;
    }
    if (!entry.lines.empty()) {
        // A network of lines is checked at its design frequency, drawn either way.
        request.f0Hz = in.positive(1.0F, 12.0F);
        request.lineModel = (in.byte() & 1U) != 0 ? LineModel::Lumped : LineModel::Ideal;
        request.root = (in.byte() & 1U) != 0 ? Root::High : Root::Low;
    }
    const float loss = in.positive(1e-3F, 5.0F);
    if (objection(request, false)) {
        return 0;
    }
    try {
        const Report report = evaluateDesign(request, loss);
        check(report.design.arms.size() == armsOf(entry.network, request.shuntAt).size(),
              "one arm per catalogue arm");
        if (report.realisable() && report.exact && loss > 0.01F && loss < 200.0F) {
            const double relative = 1e-6;
            if (matchesInput(entry.matched)) {
                check(std::abs(report.exact->inputOhms - request.zin) <= relative * request.zin,
                      "the input port is matched");
            }
            if (matchesOutput(entry.matched)) {
                check(std::abs(report.exact->outputOhms - request.zout) <= relative * request.zout,
                      "the output port is matched");
            }
        }
    } catch (const FloatError&) {
        // the window's arithmetic fails at the ends of the range: refused, not a crash
    } catch (const RatingOutOfRange&) {
    }
    return 0;
}
