// The main window's working record: the compute command and the network routines read and
// write it.
#pragma once

#include "design/network.h"

#include <optional>
#include <string>

namespace zelmarino {

// Field names follow the program's documents. Impedances and the attenuation are single
// precision as typed; all network arithmetic is double precision.
struct DesignState {
    std::optional<design::Network> NetworkType; // none until an option button is clicked
    float Zin = 0.0F;                           // ohm
    float Zout = 0.0F;                          // ohm
    double K = 0.0;                             // voltage ratio 10^(A/20)
    float A = 0.0F;                             // dB
    double R1 = 0.0; // ohm, or kilo-ohm once formatted at 10000 and above
    double R2 = 0.0;
    double R3 = 0.0;
    std::string S1;
    std::string S2;
    std::string S3;
    double Ratio = 0.0; // sqrt(Zin / Zout), a working value
};

} // namespace zelmarino
