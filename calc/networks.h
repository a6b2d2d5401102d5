// The resistor arithmetic of the five network routines, on the design record alone.
// Each stores R1 to R3 (and Ratio where it has one) in the written evaluation order and
// throws FloatError at the first failing step, leaving earlier fields as stored.
#pragma once

#include "calc/design_state.h"

namespace zelmarino {

// Pi: R1 shunt at the Zin port, R2 series, R3 shunt at the Zout port (0 when symmetric).
void computePiSymmetric(DesignState& state);
void computePiAsymmetric(DesignState& state);
// T, entered with Zin >= Zout: R1 series on the Zin side, R2 series on the Zout side, R3 shunt.
void computeT(DesignState& state);
// L: R1 series next to the Zin port, R2 shunt across the Zout port, R3 = 0.
void computeLLess(DesignState& state);    // matched at the output port
void computeLGreater(DesignState& state); // matched at the input port

} // namespace zelmarino
