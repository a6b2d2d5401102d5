#include "calc/network_layout.h"

#include <array>

namespace zelmarino {

namespace {

constexpr std::array piPlaces{LabelPlace{Label::piti, 2880}, LabelPlace{Label::tielle, 3120},
                              LabelPlace{Label::pielle, 3480}};
constexpr std::array tPlaces{LabelPlace{Label::piti, 2880}, LabelPlace{Label::tielle, 2640},
                             LabelPlace{Label::ti, 3840}};
constexpr std::array lLessPlaces{LabelPlace{Label::piti, 3244}, LabelPlace{Label::tielle, 2760}};
constexpr std::array lGreaterPlaces{LabelPlace{Label::piti, 3480}, LabelPlace{Label::tielle, 3000}};

} // namespace

NetworkLayout networkLayout(NetworkType network) {
    switch (network) {
    case NetworkType::Pi:
        return {"pigreco.gif", piPlaces};
    case NetworkType::T:
        return {"ti.gif", tPlaces};
    case NetworkType::LLess:
        return {"elle2.gif", lLessPlaces};
    case NetworkType::LGreater:
        return {"elle1.gif", lGreaterPlaces};
    case NetworkType::None:
        break;
    }
    return {};
}

} // namespace zelmarino
