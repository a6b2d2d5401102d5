// The stored layouts measure in twips: 15 to the pixel at 96 dpi.
#pragma once

#include <QRect>

namespace zelmarino {

inline constexpr int twipsPerPixel = 15;

// Twips to pixels at 96 dpi, to the nearest pixel (3244 twips give 216 pixels).
[[nodiscard]] constexpr int pixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

[[nodiscard]] inline QRect pixelRect(const TwipsRect& twips) {
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

} // namespace zelmarino
