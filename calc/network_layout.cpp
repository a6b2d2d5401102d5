#include "calc/network_layout.h"

#include <array>

namespace zelmarino {

namespace {

constexpr std::array piPlaces{LabelPlace{Label::piti, 2880}, LabelPlace{Label::tielle, 3120},
                              LabelPlace{Label::pielle, 3480}};
constexpr std::array tPlaces{LabelPlace{Label::piti, 2880}, LabelPlace{Label::tielle, 2640},
                             LabelPlace{Label::ti, 3840}};
constexpr std::array lOutPlaces{LabelPlace{Label::piti, 3244}, LabelPlace{Label::tielle, 2760}};
constexpr std::array lInPlaces{LabelPlace{Label::piti, 3480}, LabelPlace{Label::tielle, 3000}};

} // namespace

// Only the window's four networks have a picture; the record never holds another.
NetworkLayout networkLayout(design::Network network) {
    if (network == design::Network::Pi) {
        return {"pigreco.gif", piPlaces};
    }
    if (network == design::Network::T) {
        return {"ti.gif", tPlaces};
    }
    if (network == design::Network::LOut) {
        return {"elle2.gif", lOutPlaces};
    }
    return {"elle1.gif", lInPlaces};
}

} // namespace zelmarino
