#include "cli/help_text.h"

namespace zelmarino::cli {

std::string_view helpText() {
    return R"(Usage: zelmarino-calc NETWORK --zin OHMS --zout OHMS --db DB [options]
Designs a resistive attenuator with the same arithmetic as the Zelmarino window, checks it
by circuit analysis, and rounds it to standard resistor values if asked.

Networks:
  pi        shunt, series, shunt; matched at both ports
  t         series, shunt, series; matched at both ports (the larger impedance is
            placed on the input side, as the window does)
  l-out     series, shunt; matched at the output port
  l-in      series, shunt; matched at the input port

Options:
  --zin OHMS            input impedance: 75, 2.2k, 1k5, 1M (prefixes m, k, M, G)
  --zout OHMS           output impedance
  --db DB               loss in dB, above 0; or FROM:TO:STEP for a table
  --series E24          round each arm to the nearest value of E6, E12, E24, E48,
                        E96 or E192 and check the rounded network
  --tolerance PERCENT   worst case over every corner of the resistor tolerances
  --power WATTS         power available from the source (0.5, 500mW, 27dBm): each
                        resistor's dissipation
  --format FORMAT       text (the default), csv, json or spice (a .subckt with the
                        ports in, out and gnd)
  -h, --help            show this help
  --version             show the version

Exit status: 0 when every design can be built, 1 when a loss is below the minimum for
the impedances (the values are printed all the same, the negative arm named), 2 when
the command line is refused.

Example: zelmarino-calc pi --zin 75 --zout 50 --db 10 --series E24
)";
}

} // namespace zelmarino::cli
