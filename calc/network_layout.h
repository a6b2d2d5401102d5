// Per network: its schematic picture and where its resistor labels stand on it.
#pragma once

#include "calc/design_state.h"
#include "calc/form_view.h"

#include <span>
#include <string_view>

namespace zelmarino {

struct LabelPlace {
    Label label;
    int left; // twips from the client area's left edge
};

struct NetworkLayout {
    std::string_view pictureFile;
    std::span<const LabelPlace> places; // in the order they are moved
};

[[nodiscard]] NetworkLayout networkLayout(design::Network network);

} // namespace zelmarino
