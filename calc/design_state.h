// The main window's working record: every calculation reads and writes it.
#pragma once

#include <cstdint>
#include <string>

namespace zelmarino {

// The chosen network shape; 16 bits wide like the record it lives in.
enum class NetworkType : std::int16_t {
    None = 0,
    Pi = 1,
    T = 2,
    LLess = 3,    // L matched at the output port ("ad L  <")
    LGreater = 4, // L matched at the input port ("ad L  >")
};

// Field names follow the program's documents. Impedances and the attenuation are single
// precision as typed; all network arithmetic is double precision.
struct DesignState {
    zelmarino::NetworkType NetworkType = zelmarino::NetworkType::None;
    float Zin = 0.0F;  // ohm
    float Zout = 0.0F; // ohm
    double K = 0.0;    // voltage ratio 10^(A/20)
    float A = 0.0F;    // dB
    double R1 = 0.0;   // ohm, or kilo-ohm once formatted at 10000 and above
    double R2 = 0.0;
    double R3 = 0.0;
    std::string S1;
    std::string S2;
    std::string S3;
    double Ratio = 0.0; // sqrt(Zin / Zout), a working value
};

} // namespace zelmarino
