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

NetworkLayout networkLayout(design::Network network) {
    switch (network) {
    case design::Network::Pi:
        return {"pigreco.gif", piPlaces};
    case design::Network::T:
        return {"ti.gif", tPlaces};
    case design::Network::LOut:
        return {"elle2.gif", lOutPlaces};
    case design::Network::LIn:
    case design::Network::H: // the command line's only: the window never holds them
    case design::Network::O:
    case design::Network::BridgedT:
        break;
    }
    return {"elle1.gif", lInPlaces};
}

} // namespace zelmarino
