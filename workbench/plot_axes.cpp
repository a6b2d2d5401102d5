#include "workbench/plot_axes.h"

#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace zelmarino::workbench {

namespace {

double fraction(double value, double low, double high) {
    return high > low ? (value - low) / (high - low) : 0.0;
}

// A hair of slack, so that a tick on an end that rounding moved is kept.
constexpr double slack = 1e-9;

} // namespace

LogAxis::LogAxis(double low, double high, double first, double last)
    : m_low(low)
    , m_high(high)
    , m_first(first)
    , m_last(last) {}

double LogAxis::pixelOf(double value) const {
    return m_first +
           (m_last - m_first) * fraction(std::log10(value), std::log10(m_low), std::log10(m_high));
}

double LogAxis::valueAt(double pixel) const {
    const double t = m_last != m_first ? (pixel - m_first) / (m_last - m_first) : 0.0;
    return std::pow(10.0, std::log10(m_low) + t * (std::log10(m_high) - std::log10(m_low)));
}

std::vector<Tick> LogAxis::ticks() const {
    const bool narrow = std::log10(m_high / m_low) < 2.0;
    std::vector<Tick> ticks;
    const auto firstDecade = static_cast<int>(std::floor(std::log10(m_low)));
    const auto lastDecade = static_cast<int>(std::floor(std::log10(m_high)));
    for (int decade = firstDecade; decade <= lastDecade; ++decade) {
        const double base = std::pow(10.0, decade);
        for (int mantissa = 1; mantissa <= 9; ++mantissa) {
            const bool major = mantissa == 1 || mantissa == 2 || mantissa == 5;
            if (!narrow && !major) {
                continue;
            }
            const double value = base * mantissa;
            if (value < m_low * (1.0 - slack) || value > m_high * (1.0 + slack)) {
                continue;
            }
            ticks.push_back({value, mantissa == 1 || (narrow && major)});
        }
    }
    return ticks;
}

LinearAxis::LinearAxis(double low, double high, double first, double last)
    : m_low(low)
    , m_high(high)
    , m_first(first)
    , m_last(last) {}

LinearAxis LinearAxis::rounded(double low, double high, double first, double last, int most) {
    const double step = niceStep((high - low) / std::max(most, 1));
    LinearAxis axis(std::floor(low / step + slack) * step, std::ceil(high / step - slack) * step,
                    first, last);
    axis.m_step = step;
    return axis;
}

double LinearAxis::pixelOf(double value) const {
    return m_first + (m_last - m_first) * fraction(value, m_low, m_high);
}

double LinearAxis::valueAt(double pixel) const {
    const double t = m_last != m_first ? (pixel - m_first) / (m_last - m_first) : 0.0;
    return m_low + t * (m_high - m_low);
}

std::vector<Tick> LinearAxis::ticks() const {
    std::vector<Tick> ticks;
    if (!(m_step > 0.0)) {
        return ticks;
    }
    const auto count = static_cast<long>(std::floor((m_high - m_low) / m_step + slack));
    for (long i = 0; i <= count; ++i) {
        // Multiplied rather than summed, so that -30 is -30 and not -29.999999999999996.
        ticks.push_back({m_low + static_cast<double>(i) * m_step, true});
    }
    return ticks;
}

double niceStep(double rough) {
    if (!(rough > 0.0) || !std::isfinite(rough)) {
        return 1.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        if (mantissa * power >= rough * (1.0 - slack)) {
            return mantissa * power;
        }
    }
    return 10.0 * power;
}

std::string frequencyText(double hz) {
    struct Unit {
        double scale;
        const char* name;
    };
    constexpr std::array units = {Unit{1e9, " GHz"}, Unit{1e6, " MHz"}, Unit{1e3, " kHz"},
                                  Unit{1.0, " Hz"}};
    for (const Unit& unit : units) {
        if (hz >= unit.scale * (1.0 - slack) || unit.scale == 1.0) {
            return significant(hz / unit.scale, 4) + unit.name;
        }
    }
    return significant(hz, 4) + " Hz";
}

std::size_t nearestIndex(std::span<const double> ascendingHz, double hz) {
    const auto above = std::lower_bound(ascendingHz.begin(), ascendingHz.end(), hz);
    if (above == ascendingHz.begin()) {
        return 0;
    }
    if (above == ascendingHz.end()) {
        return ascendingHz.size() - 1;
    }
    const auto below = std::prev(above);
    const bool belowNearer = hz / *below < *above / hz;
    return static_cast<std::size_t>(
        std::distance(ascendingHz.begin(), belowNearer ? below : above));
}

ValueRange valueRange(std::span<const std::span<const double>> curves, double floor,
                      double leastSpan) {
    double low = 0.0;
    double high = 0.0;
    for (const std::span<const double> curve : curves) {
        for (const double value : curve) {
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    low = std::max(low, floor);
    if (high - low < leastSpan) {
        low = high - leastSpan;
    }
    return {low, high};
}

} // namespace zelmarino::workbench
