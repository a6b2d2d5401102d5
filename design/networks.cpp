#include "design/networks.h"

namespace zelmarino::design {

// Every formula keeps the evaluation order of the design notes: brackets first, K² from the
// general power function.

SymmetricPiArms symmetricPi(Checked z, Checked k) {
    return {((k + 1.0) / (k - 1.0)) * z, ((pow(k, 2.0) - 1.0) / k) * (z / 2.0)};
}

PiArms pi(Checked zin, Checked zout, Checked k) {
    const Checked ratio = sqrt(zin / zout);
    // The arms go on from the ratio's value: a failure of the ratio is its own step's.
    const Checked r = ratio.value();
    const Checked k2 = pow(k, 2.0);
    return {ratio, ((k2 - 1.0) / ((k2 - (k + k) * r) + 1.0)) * zin,
            ((k2 - 1.0) / k) * (sqrt(zin * zout) / 2.0),
            ((k2 - 1.0) / ((k2 - 2.0 * (k / r)) + 1.0)) * zout};
}

TArms t(Checked zin, Checked zout, Checked k) {
    const Checked geometricMean = sqrt(zin * zout);
    // It and K² are the same every time they are formed, so they are formed once.
    const Checked s = geometricMean.value();
    const Checked k2 = pow(k, 2.0);
    return {geometricMean, ((k2 + 1.0) / (k2 - 1.0)) * zin - (k / (k2 - 1.0)) * (s + s),
            ((k2 + 1.0) / (k2 - 1.0)) * zout - (k / (k2 - 1.0)) * (s + s),
            (k / (k2 - 1.0)) * (s + s)};
}

LArms lMatchedAtOutput(Checked zin, Checked zout, Checked k) {
    const Checked ratio = sqrt(zin / zout);
    const Checked r = ratio.value();
    return {ratio, (zin / r) * (k - r), (k / (r * k - 1.0)) * (zin / r)};
}

LArms lMatchedAtInput(Checked zin, Checked zout, Checked k) {
    const Checked ratio = sqrt(zin / zout);
    const Checked r = ratio.value();
    return {ratio, ((r * k - 1.0) / k) * (zin / r), (1.0 / (k - r)) * (zin / r)};
}

BridgedTArms bridgedT(Checked z, Checked k) {
    return {z * (k - 1.0), z / (k - 1.0)};
}

Checked powerSplitterArm(Checked z) {
    return z / 3.0;
}

QuarterWaveArms quarterWaveSeries(Checked z, Checked k) {
    const Checked k2 = pow(k, 2.0);
    return {((k2 - 1.0) / (k2 + 1.0)) * z, ((k + k) / (k2 + 1.0)) * z};
}

QuarterWaveArms quarterWaveShunt(Checked z, Checked k) {
    const Checked k2 = pow(k, 2.0);
    return {((k2 + 1.0) / (k2 - 1.0)) * z, ((k2 + 1.0) / (k + k)) * z};
}

Checked reflectionArm(Checked z, Checked k, Root root) {
    return root == Root::Low ? ((k - 1.0) / (k + 1.0)) * z : ((k + 1.0) / (k - 1.0)) * z;
}

// Between equal impedances the handbooks' own forms, so that their tables are met as printed.
SingleArm singleSeries(Checked zin, Checked zout, Checked k) {
    if (zin.value() == zout.value()) {
        return {zin, (k - 1.0) * (zin + zin)};
    }
    const Checked geometricMean = sqrt(zin * zout);
    return {geometricMean, (k + k) * geometricMean.value() - (zin + zout)};
}

SingleArm singleShunt(Checked zin, Checked zout, Checked k) {
    if (zin.value() == zout.value()) {
        return {1.0, zin / ((k - 1.0) * 2.0)};
    }
    const Checked ratio = sqrt(zin / zout);
    return {ratio, (zin * zout) / (((k + k) * ratio.value() - 1.0) * zout - zin)};
}

} // namespace zelmarino::design
