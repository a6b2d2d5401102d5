#include "design/optimise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zelmarino::design {

namespace {

// Standard values on either side of the nearest: enough to move the loss by a few tenths of
// a dB in E24, few enough that three arms make a search of a few thousand networks.
constexpr int neighbours = 3;
// Pairs kept per arm, the closest to the exact value.
constexpr std::size_t pairsKept = 6;

// The series' values from a decade below `ohms` to a decade above, in order.
std::vector<double> valuesAround(double ohms, ESeries series) {
    const std::span<const int> decade = seriesDecade(series);
    const double first = decade.front();
    const int exponent = static_cast<int>(std::floor(std::log10(ohms / first)));
    std::vector<double> values;
    for (int e = exponent - 1; e <= exponent + 1; ++e) {
        for (const int v : decade) {
            values.push_back(v * std::pow(10.0, e));
        }
    }
    return values;
}

double ratioDistance(double a, double b) {
    return std::abs(std::log(a / b));
}

double parallelOf(double a, double b) {
    return a * b / (a + b);
}

} // namespace

std::vector<Part> armCandidates(double ohms, ESeries series, bool pairs) {
    if (!(ohms > 0.0) || !std::isfinite(ohms)) {
        return {{ohms, ohms, std::nullopt, false}}; // a wire stays a wire
    }
    const std::vector<double> values = valuesAround(ohms, series);
    const auto nearest = std::min_element(values.begin(), values.end(), [&](double a, double b) {
        return ratioDistance(a, ohms) < ratioDistance(b, ohms);
    });
    const auto at = nearest - values.begin();
    std::vector<Part> parts;
    for (auto i = std::max<std::ptrdiff_t>(0, at - neighbours);
         i <= std::min<std::ptrdiff_t>(std::ssize(values) - 1, at + neighbours); ++i) {
        const double v = values[static_cast<std::size_t>(i)];
        parts.push_back({v, v, std::nullopt, false});
    }
    if (!pairs) {
        return parts;
    }
    // The larger of two in series lies between half the value and the value; the smaller of
    // two in parallel between the value and twice it. The other is the standard value nearest
    // to what is left.
    std::vector<Part> combined;
    for (const double a : values) {
        if (a >= ohms / 2.0 && a < ohms) {
            const double b = nearestStandard(ohms - a, series);
            combined.push_back({a + b, a, b, false});
        }
        if (a > ohms && a <= 2.0 * ohms) {
            const double b = nearestStandard(1.0 / (1.0 / ohms - 1.0 / a), series);
            combined.push_back({parallelOf(a, b), a, b, true});
        }
    }
    std::sort(combined.begin(), combined.end(), [&](const Part& x, const Part& y) {
        return ratioDistance(x.ohms, ohms) < ratioDistance(y.ohms, ohms);
    });
    combined.resize(std::min(combined.size(), pairsKept));
    parts.insert(parts.end(), combined.begin(), combined.end());
    return parts;
}

std::optional<StandardSet> optimiseStandard(std::span<const Resistor> exact, double zin,
                                            double zout, const SearchGoal& goal) {
    const auto leader = [&](std::size_t arm) {
        return arm < goal.sameAs.size() ? goal.sameAs[arm] : arm;
    };
    std::vector<std::vector<Part>> candidates;
    for (std::size_t i = 0; i < exact.size(); ++i) {
        // A tied arm has no choice of its own: one candidate, replaced by its leader's.
        candidates.push_back(i < goal.arms && leader(i) == i
                                 ? armCandidates(exact[i].ohms, goal.series, goal.pairs)
                                 : std::vector<Part>{{exact[i].ohms, exact[i].ohms, std::nullopt}});
    }
    std::vector<Resistor> trial(exact.begin(), exact.end());
    std::vector<std::size_t> choice(exact.size(), 0);
    const auto chosen = [&](std::size_t arm) -> const Part& {
        return candidates[leader(arm)][choice[leader(arm)]];
    };
    std::optional<StandardSet> best;
    double bestError = 0.0;
    std::size_t bestCount = 0;
    const auto partCount = [&] {
        std::size_t n = 0;
        for (std::size_t i = 0; i < std::min(choice.size(), goal.arms); ++i) {
            n += chosen(i).second ? 2U : 1U;
        }
        return n;
    };
    // Every combination, counted like an odometer.
    while (true) {
        for (std::size_t i = 0; i < trial.size(); ++i) {
            trial[i].ohms = chosen(i).ohms;
        }
        if (const auto check = checkPorts(trial, zin, zout)) {
            const double error = std::abs(check->lossDb - goal.lossDb);
            const bool kept =
                (!goal.floorAtInput || check->inputReturnLossDb >= goal.minReturnLossDb) &&
                (!goal.floorAtOutput || check->outputReturnLossDb >= goal.minReturnLossDb);
            const std::size_t count = partCount();
            if (kept && (!best || error < bestError - 1e-9 ||
                         (error <= bestError + 1e-9 && count < bestCount))) {
                StandardSet set{{}, *check};
                for (std::size_t i = 0; i < std::min(choice.size(), goal.arms); ++i) {
                    set.arms.push_back(chosen(i));
                }
                best = std::move(set);
                bestError = error;
                bestCount = count;
            }
        }
        std::size_t i = 0;
        while (i < choice.size() && ++choice[i] == candidates[i].size()) {
            choice[i] = 0;
            ++i;
        }
        if (i == choice.size()) {
            return best;
        }
    }
}

} // namespace zelmarino::design
