#include "calc/networks.h"

#include "calc/checked.h"

namespace zelmarino {

// Every formula keeps the evaluation order of the design notes: brackets first, K² from the
// general power function, the impedances widened exactly from single precision.

namespace {

struct Inputs {
    Checked zin;
    Checked zout;
    Checked k;
};

Inputs inputsOf(const DesignState& state) {
    return {static_cast<double>(state.Zin), static_cast<double>(state.Zout), state.K};
}

} // namespace

void computePiSymmetric(DesignState& state) {
    const auto [zin, zout, k] = inputsOf(state);
    store(state.R1, ((k + 1.0) / (k - 1.0)) * zin);
    store(state.R2, ((pow(k, 2.0) - 1.0) / k) * (zin / 2.0));
    state.R3 = 0.0;
}

void computePiAsymmetric(DesignState& state) {
    const auto [zin, zout, k] = inputsOf(state);
    store(state.Ratio, sqrt(zin / zout));
    const Checked ratio = state.Ratio;
    const Checked k2 = pow(k, 2.0);
    store(state.R1, ((k2 - 1.0) / ((k2 - (k + k) * ratio) + 1.0)) * zin);
    store(state.R2, ((k2 - 1.0) / k) * (sqrt(zin * zout) / 2.0));
    store(state.R3, ((k2 - 1.0) / ((k2 - 2.0 * (k / ratio)) + 1.0)) * zout);
}

void computeT(DesignState& state) {
    const auto [zin, zout, k] = inputsOf(state);
    // sqrt(Zin × Zout) is the first step, and fails on its own before any arm is formed.
    // It and K² are the same every time they are formed, so they are formed once.
    const Checked s = checkedValue(sqrt(zin * zout));
    const Checked k2 = pow(k, 2.0);
    store(state.R1, ((k2 + 1.0) / (k2 - 1.0)) * zin - (k / (k2 - 1.0)) * (s + s));
    store(state.R2, ((k2 + 1.0) / (k2 - 1.0)) * zout - (k / (k2 - 1.0)) * (s + s));
    store(state.R3, (k / (k2 - 1.0)) * (s + s));
}

void computeLLess(DesignState& state) {
    const auto [zin, zout, k] = inputsOf(state);
    store(state.Ratio, sqrt(zin / zout));
    const Checked r = state.Ratio;
    state.R3 = 0.0;
    store(state.R1, (zin / r) * (k - r));
    store(state.R2, (k / (r * k - 1.0)) * (zin / r));
}

void computeLGreater(DesignState& state) {
    const auto [zin, zout, k] = inputsOf(state);
    store(state.Ratio, sqrt(zin / zout));
    const Checked r = state.Ratio;
    state.R3 = 0.0;
    store(state.R1, ((r * k - 1.0) / k) * (zin / r));
    store(state.R2, (1.0 / (k - r)) * (zin / r));
}

} // namespace zelmarino
