// Gaussian elimination of a small dense complex system, shared by the general frequency
// analysis and the sweep's fast path, so that both solve every circuit alike.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <span>

namespace zelmarino::design {

// |z|, as the elimination judges sizes: cheaper than std::abs, which guards against an
// overflow that the admittances of a circuit never come near.
inline double sizeOf(std::complex<double> z) {
    return std::sqrt(std::norm(z));
}

// 1 / z for a z neither tiny nor huge, as its conjugate over its squared size: cheaper than
// the library's division, whose care for infinite parts it does not need.
inline std::complex<double> inverseOf(std::complex<double> z) {
    const double inverseSize = 1.0 / std::norm(z);
    return {z.real() * inverseSize, -z.imag() * inverseSize};
}

// a · b for finite a and b, without the library's recovery of infinite parts from NaNs, which
// costs a test on every product of the elimination.
inline std::complex<double> productOf(std::complex<double> a, std::complex<double> b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

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
        const double inverse = 1.0 / scale;
        for (std::size_t j = 0; j < width; ++j) {
            at(i, j) *= inverse;
        }
    }
    for (std::size_t col = 0; col < n; ++col) {
        // Sizes compared by their squares, which need no square root.
        std::size_t pivot = col;
        double pivotSize = std::norm(at(col, col));
        for (std::size_t r = col + 1; r < n; ++r) {
            const double size = std::norm(at(r, col));
            if (size > pivotSize) {
                pivot = r;
                pivotSize = size;
            }
        }
        if (!(pivotSize > 1e-28)) {
            return false;
        }
        if (pivot != col) {
            const auto row = m.subspan(col * width, width);
            std::swap_ranges(row.begin(), row.end(), m.subspan(pivot * width, width).begin());
        }
        // Every row now at most 1 in size and the pivot above 1e-14: its inverse is safe.
        const std::complex<double> inversePivot = inverseOf(at(col, col));
        for (std::size_t r = col + 1; r < n; ++r) {
            const std::complex<double> factor = productOf(at(r, col), inversePivot);
            if (factor == 0.0) {
                continue;
            }
            for (std::size_t j = col; j < width; ++j) {
                at(r, j) -= productOf(factor, at(col, j));
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
            sum -= productOf(m[i * width + j], x[j]);
        }
        x[i] = productOf(sum, inverseOf(m[i * width + i]));
    }
}

} // namespace zelmarino::design
