// The four shapes of attenuator. Their numbers are those of the window's option buttons and
// of the design record, which holds them in 16 bits.
#pragma once

#include <cstdint>

namespace zelmarino::design {

enum class Network : std::int16_t {
    Pi = 1,   // shunt, series, shunt
    T = 2,    // series, shunt, series
    LOut = 3, // series at the input, shunt across the output; matched at the output port
    LIn = 4,  // the same two arms, matched at the input port
};

} // namespace zelmarino::design
