// What a real resistor is besides its resistance: the inductance of its body and leads in
// series with it and the capacitance across it, for the packages engineers build pads of, or
// values of the user's own; and the inductance of a shunt arm's way to ground (its via).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelmarino::design {

struct Parasitics {
    double seriesHenries = 0.0; // in series with the resistance
    double shuntFarads = 0.0;   // across the resistance and its inductance
};

struct Package {
    std::string_view name;        // "0603", as --package takes it
    std::string_view description; // "0603 thick-film chip"
    Parasitics parasitics;
};

// The packages this program knows, smallest first, the axial lead last.
[[nodiscard]] std::span<const Package> packages();
[[nodiscard]] const Package* packageNamed(std::string_view name);

// "0201, 0402, …, axial".
[[nodiscard]] std::string packageList();

// How every arm of a pad is built. All zero is the ideal resistor.
struct PartModel {
    Parasitics parts{};
    double viaHenries = 0.0;        // in series with each arm that runs to ground
    std::string_view packageName{}; // the package the parasitics are, if one is

    [[nodiscard]] bool ideal() const {
        return parts.seriesHenries == 0.0 && parts.shuntFarads == 0.0 && viaHenries == 0.0;
    }
};

} // namespace zelmarino::design
