// Gaussian elimination of a small dense complex system, shared by the general frequency
// analysis and the sweep's fast path, so that both solve every circuit alike.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <span>

namespace zelmarino::design {

// `m` holds `n` rows of `width` entries each, row after row: the coefficients of the unknowns,
// then one column per right-hand side. Each row is first divided by `largest`, the largest
// coefficient stamped into it, so that rows of siemens and rows of ohms or plain ratios are
// judged alike, and a node whose admittances cancel (a tank at resonance) is found singular
// rather than scaled back up. Then partial pivoting leaves it upper triangular. False when the
// system has no unique solution.
inline bool eliminate(std::span<std::complex<double>> m, std::size_t n, std::size_t width,
                      std::span<const double> largest) {
    const auto at = [&](std::size_t row, std::size_t column) -> std::complex<double>& {
        return m[row * width + column];
    };
    for (std::size_t i = 0; i < n; ++i) {
        const double scale = largest[i];
        if (!(scale > 0.0) || !std::isfinite(scale)) {
            return false;
        }
        for (std::size_t j = 0; j < width; ++j) {
            at(i, j) /= scale;
        }
    }
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r) {
            if (std::abs(at(r, col)) > std::abs(at(pivot, col))) {
                pivot = r;
            }
        }
        if (!(std::abs(at(pivot, col)) > 1e-14)) {
            return false;
        }
        if (pivot != col) {
            const auto row = m.subspan(col * width, width);
            std::swap_ranges(row.begin(), row.end(), m.subspan(pivot * width, width).begin());
        }
        for (std::size_t r = col + 1; r < n; ++r) {
            const std::complex<double> factor = at(r, col) / at(col, col);
            if (factor == 0.0) {
                continue;
            }
            for (std::size_t j = col; j < width; ++j) {
                at(r, j) -= factor * at(col, j);
            }
        }
    }
    return true;
}

// The unknowns for right-hand side `column` of a system `eliminate` left triangular, into `x`.
inline void backSubstitute(std::span<const std::complex<double>> m, std::size_t n,
                           std::size_t width, std::size_t column,
                           std::span<std::complex<double>> x) {
    for (std::size_t i = n; i-- > 0;) {
        std::complex<double> sum = m[i * width + n + column];
        for (std::size_t j = i + 1; j < n; ++j) {
            sum -= m[i * width + j] * x[j];
        }
        x[i] = sum / m[i * width + i];
    }
}

} // namespace zelmarino::design
