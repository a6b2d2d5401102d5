// The shapes of attenuator. The first four are the window's: their numbers are those of its
// option buttons and of the design record, which holds them in 16 bits. The balanced and
// bridged pads after them, and every network after those, are the command line's only; the
// window's record never holds them.
#pragma once

#include <cstdint>

namespace zelmarino::design {

enum class Network : std::int16_t {
    Pi = 1,             // shunt, series, shunt
    T = 2,              // series, shunt, series
    LOut = 3,           // series at the input, shunt across the output; matched at the output port
    LIn = 4,            // the same two arms, matched at the input port
    H = 5,              // balanced T: each series arm split in two, one half in each leg
    O = 6,              // balanced Pi: the series arm split in two, one half in each leg
    BridgedT = 7,       // equal impedances: two arms of Z, a bridge across them, a shunt below
    Series = 8,         // one resistor in series between the ports; matched at neither
    Shunt = 9,          // one resistor across the line, the two ports one node; matched at neither
    PowerSplitter = 10, // three-port: three arms of Z/3 from a centre node
    TwoResistorSplitter = 11, // three-port: an arm of Z from the input to each output
    QuarterWaveSeries = 12,   // two series arms a quarter wave apart at the design frequency
    QuarterWaveShunt = 13,    // two shunt arms a quarter wave apart at the design frequency
    Reflection = 14,          // a 90° 3 dB hybrid whose coupled ports end in two equal arms
};

} // namespace zelmarino::design
