// Where an L's shunt arm goes, and the pad of least loss. The window's L networks put the
// shunt across the output port; between a larger source and a smaller load that is the side
// of the minimum-loss pad, but the other way round the pad needs its shunt across the input.
#pragma once

#include "design/attenuator.h"

#include <optional>

namespace zelmarino::design {

enum class ShuntAt { Output, Input };

// As designAttenuator, but an L with the shunt at the input has it across the input port and
// the series arm next to the output port, still matched at the port its network names. It is
// the mirror image of the window's other L designed from Zout to Zin: its arms keep the
// window's order (R1 series, R2 shunt). Other networks ignore `shunt`.
[[nodiscard]] Attenuator designPlaced(Network network, float zin, float zout, float lossDb,
                                      ShuntAt shunt, Root root = Root::Low);

// The loss of the network's minimum-loss pad: the least single-precision loss at or above
// the minimum at which no arm is negative. For an L that is the loss at which it matches
// both ports, 20 log10(sqrt(q) + sqrt(q - 1)) for the impedance ratio q, which needs its
// shunt across the smaller impedance. Nothing between equal impedances (no loss is the
// least), or for an L whose shunt is across the larger impedance (it never matches both).
[[nodiscard]] std::optional<float> minimumLossPad(Network network, float zin, float zout,
                                                  ShuntAt shunt);

} // namespace zelmarino::design
