// The response plot's axes without a widget: a logarithmic frequency axis and a linear
// decibel axis, each mapping values to pixels and back and choosing ticks a person reads
// easily (1, 2, 5 times a power of ten).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace zelmarino::workbench {

struct Tick {
    double value;
    bool labelled; // a decade of the frequency axis, every tick of the decibel axis
};

// Values from `low` to `high` onto pixels from `first` to `last` (`last` may be the smaller,
// as a vertical axis runs upwards).
class LogAxis {
public:
    LogAxis(double low, double high, double first, double last);
    [[nodiscard]] double pixelOf(double value) const;
    [[nodiscard]] double valueAt(double pixel) const;
    // 1, 2, 5 in each decade within the span, labelled at the decades; every one of 1 to 9
    // when the span is less than two decades, labelled at 1, 2 and 5.
    [[nodiscard]] std::vector<Tick> ticks() const;
    [[nodiscard]] double low() const { return m_low; }
    [[nodiscard]] double high() const { return m_high; }

private:
    double m_low;
    double m_high;
    double m_first;
    double m_last;
};

class LinearAxis {
public:
    LinearAxis(double low, double high, double first, double last);
    // The range widened to whole steps of 1, 2 or 5 times a power of ten, at most `most`
    // steps from end to end.
    [[nodiscard]] static LinearAxis rounded(double low, double high, double first, double last,
                                            int most);
    [[nodiscard]] double pixelOf(double value) const;
    [[nodiscard]] double valueAt(double pixel) const;
    [[nodiscard]] std::vector<Tick> ticks() const;
    [[nodiscard]] double low() const { return m_low; }
    [[nodiscard]] double high() const { return m_high; }
    [[nodiscard]] double step() const { return m_step; }

private:
    double m_low;
    double m_high;
    double m_first;
    double m_last;
    double m_step = 0.0;
};

// The least 1, 2 or 5 times a power of ten that is at least `rough`.
[[nodiscard]] double niceStep(double rough);

// "1 MHz", "2.5 GHz", "500 kHz", "10 Hz".
[[nodiscard]] std::string frequencyText(double hz);

// The index of the frequency nearest to `hz` by ratio in an ascending list; the list must
// not be empty.
[[nodiscard]] std::size_t nearestIndex(std::span<const double> ascendingHz, double hz);

// The lowest and highest finite values among the curves, the top at least 0 and the span at
// least `leastSpan`; the bottom no lower than `floor`.
struct ValueRange {
    double low;
    double high;
};
[[nodiscard]] ValueRange valueRange(std::span<const std::span<const double>> curves, double floor,
                                    double leastSpan);

} // namespace zelmarino::workbench
