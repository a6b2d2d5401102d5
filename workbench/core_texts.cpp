// The English texts the window shows but the design core, the formats and the command line's
// readers write: network titles, arms' places, check labels and the reasons a field is
// refused. They are listed here for Qt Linguist; the window translates them in these contexts
// ("Network", "Arm", "Check", "Reason") as it shows them, and one it does not know stays
// in English. The tests find any that the catalogue has and the translation lacks.
#include <QtGlobal>

#include <array>

namespace {

[[maybe_unused]] constexpr std::array networkTitles = {
    QT_TRANSLATE_NOOP("Network", "Pi attenuator"),
    QT_TRANSLATE_NOOP("Network", "T attenuator"),
    QT_TRANSLATE_NOOP("Network", "L attenuator matched at the output port"),
    QT_TRANSLATE_NOOP("Network", "L attenuator matched at the input port"),
    QT_TRANSLATE_NOOP("Network", "H attenuator (balanced T)"),
    QT_TRANSLATE_NOOP("Network", "O attenuator (balanced Pi)"),
    QT_TRANSLATE_NOOP("Network", "Bridged T attenuator"),
    QT_TRANSLATE_NOOP("Network", "Single series resistor pad"),
    QT_TRANSLATE_NOOP("Network", "Single shunt resistor pad"),
    QT_TRANSLATE_NOOP("Network", "Resistive power splitter"),
    QT_TRANSLATE_NOOP("Network", "Two-resistor splitter"),
    QT_TRANSLATE_NOOP("Network", "Quarter-wave series attenuator"),
    QT_TRANSLATE_NOOP("Network", "Quarter-wave shunt attenuator"),
    QT_TRANSLATE_NOOP("Network", "Reflection attenuator"),
};

[[maybe_unused]] constexpr std::array armPlaces = {
    QT_TRANSLATE_NOOP("Arm", "shunt across the input port"),
    QT_TRANSLATE_NOOP("Arm", "shunt across the output port"),
    QT_TRANSLATE_NOOP("Arm", "series"),
    QT_TRANSLATE_NOOP("Arm", "series on the input side"),
    QT_TRANSLATE_NOOP("Arm", "series on the output side"),
    QT_TRANSLATE_NOOP("Arm", "shunt from the middle"),
    QT_TRANSLATE_NOOP("Arm", "series at the input port"),
    QT_TRANSLATE_NOOP("Arm", "series on the input side, upper half"),
    QT_TRANSLATE_NOOP("Arm", "series on the input side, lower half"),
    QT_TRANSLATE_NOOP("Arm", "series on the output side, upper half"),
    QT_TRANSLATE_NOOP("Arm", "series on the output side, lower half"),
    QT_TRANSLATE_NOOP("Arm", "shunt between the middle nodes"),
    QT_TRANSLATE_NOOP("Arm", "series, upper half"),
    QT_TRANSLATE_NOOP("Arm", "series, lower half"),
    QT_TRANSLATE_NOOP("Arm", "bridge from port to port"),
    QT_TRANSLATE_NOOP("Arm", "series between the ports"),
    QT_TRANSLATE_NOOP("Arm", "shunt across the line at both ports"),
    QT_TRANSLATE_NOOP("Arm", "from the input port to the centre"),
    QT_TRANSLATE_NOOP("Arm", "from the centre to the output port"),
    QT_TRANSLATE_NOOP("Arm", "from the centre to the second output port"),
    QT_TRANSLATE_NOOP("Arm", "from the input port to the output port"),
    QT_TRANSLATE_NOOP("Arm", "from the input port to the second output port"),
    QT_TRANSLATE_NOOP("Arm", "series from the input port to the line"),
    QT_TRANSLATE_NOOP("Arm", "series from the line to the output port"),
    QT_TRANSLATE_NOOP("Arm", "from the hybrid's through port to ground"),
    QT_TRANSLATE_NOOP("Arm", "from the hybrid's coupled port to ground"),
};

[[maybe_unused]] constexpr std::array checkLabels = {
    QT_TRANSLATE_NOOP("Check", "Input resistance"),
    QT_TRANSLATE_NOOP("Check", "Output resistance"),
    QT_TRANSLATE_NOOP("Check", "Input return loss"),
    QT_TRANSLATE_NOOP("Check", "Output return loss"),
    QT_TRANSLATE_NOOP("Check", "Input VSWR"),
    QT_TRANSLATE_NOOP("Check", "Output VSWR"),
    QT_TRANSLATE_NOOP("Check", "Input |Γ|"),
    QT_TRANSLATE_NOOP("Check", "Output |Γ|"),
    QT_TRANSLATE_NOOP("Check", "Loss"),
};

[[maybe_unused]] constexpr std::array reasons = {
    QT_TRANSLATE_NOOP("Reason", "needed"),
    QT_TRANSLATE_NOOP("Reason", "not a number"),
    QT_TRANSLATE_NOOP("Reason", "out of range"),
    QT_TRANSLATE_NOOP("Reason", "too small"),
    QT_TRANSLATE_NOOP("Reason", "must be a resistance above 0 ohms"),
    QT_TRANSLATE_NOOP("Reason", "must be a loss above 0 dB"),
    QT_TRANSLATE_NOOP("Reason", "must be a percentage above 0 and below 100"),
    QT_TRANSLATE_NOOP("Reason", "not a number of watts or dBm"),
    QT_TRANSLATE_NOOP("Reason", "must be a power above 0 W"),
    QT_TRANSLATE_NOOP("Reason", "not a number of watts"),
    QT_TRANSLATE_NOOP("Reason", "must be a rating above 0 W"),
    QT_TRANSLATE_NOOP("Reason", "must be a return loss of 0 dB or more"),
    QT_TRANSLATE_NOOP("Reason", "a resistance is 0 ohms or more"),
    QT_TRANSLATE_NOOP("Reason", "too small: 10^(A/20) rounds to 1"),
    QT_TRANSLATE_NOOP("Reason", "too large for double precision"),
    QT_TRANSLATE_NOOP("Reason", "must be a frequency above 0 Hz"),
    QT_TRANSLATE_NOOP("Reason", "not an inductance (1nH, 0.4n)"),
    QT_TRANSLATE_NOOP("Reason", "must be an inductance of 0 H or more"),
    QT_TRANSLATE_NOOP("Reason", "must be a flatness above 0 dB"),
    QT_TRANSLATE_NOOP("Reason", "must be above the start of the sweep"),
    QT_TRANSLATE_NOOP("Reason", "needs a power, the source power whose dissipation it scales"),
    QT_TRANSLATE_NOOP("Reason", "between equal impedances the least loss is 0 dB, no pad at all"),
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one text, broken to fit the line
    QT_TRANSLATE_NOOP("Reason", "an L matches both ports only with its shunt across the smaller "
                                "impedance"),
    QT_TRANSLATE_NOOP("Reason", "a bridged T is matched only between equal impedances"),
    QT_TRANSLATE_NOOP("Reason",
                      "a resistive power splitter is matched only between equal impedances"),
    QT_TRANSLATE_NOOP("Reason", "a two-resistor splitter is matched only between equal impedances"),
    QT_TRANSLATE_NOOP("Reason",
                      "a quarter-wave series attenuator is matched only between equal impedances"),
    QT_TRANSLATE_NOOP("Reason",
                      "a quarter-wave shunt attenuator is matched only between equal impedances"),
    QT_TRANSLATE_NOOP("Reason", "a reflection attenuator is matched only between equal impedances"),
    QT_TRANSLATE_NOOP("Reason",
                      "needs its design frequency f0, where its lines are a quarter wave"),
    QT_TRANSLATE_NOOP("Reason", "its lines are designed with its arms, not given"),
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one text, broken to fit the line
    QT_TRANSLATE_NOOP("Reason", "analysed at f0 alone: the optimisation, the tolerance "
                                "and the power are analyses at DC"),
    QT_TRANSLATE_NOOP("Reason", "out of range (the dissipation would overflow)"),
    QT_TRANSLATE_NOOP("Reason", "out of range (the tolerated source power would overflow)"),
    QT_TRANSLATE_NOOP("Reason", "these resistors make a circuit that cannot be solved"),
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one text, broken to fit the line
    QT_TRANSLATE_NOOP("Reason", "the loss is below the minimum for these impedances: some arm is "
                                "negative"),
};

} // namespace
