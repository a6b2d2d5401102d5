#include "cli/quoted.h"

#include <array>
#include <utility>
#include <vector>

namespace zelmarino::cli {

namespace {

std::string hex(std::string_view escape, unsigned value, int digits) {
    constexpr std::string_view hexDigits = "0123456789abcdef";
    std::string text(escape);
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text.push_back(hexDigits[(value >> static_cast<unsigned>(shift)) & 0xFU]);
    }
    return text;
}

// The length of the UTF-8 sequence that starts `text`, 0 when it is not one: a lead byte,
// its continuation bytes, and neither an overlong form, a surrogate nor a code point past
// U+10FFFF.
std::size_t sequenceLength(std::string_view text, unsigned& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    unsigned lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1FU;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0FU;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07U;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return 0;
        }
        codePoint = (codePoint << 6U) | (byte(i) & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || surrogate || codePoint > 0x10FFFF) {
        return 0;
    }
    return length;
}

struct Piece {
    std::string text;
    std::size_t width; // characters on the screen
};

// What one character, or one stray byte, at the start of `text` is echoed as; `used` is
// set to the bytes it takes.
Piece echoOf(std::string_view text, std::size_t& used) {
    const auto first = static_cast<unsigned char>(text.front());
    used = 1;
    if (first >= 0x20 && first < 0x7F) {
        return {std::string(1, text.front()), 1};
    }
    if (first < 0x80) {
        constexpr std::array<std::pair<unsigned char, std::string_view>, 4> named = {{
            {'\n', "\\n"},
            {'\t', "\\t"},
            {'\r', "\\r"},
            {0x1B, "\\e"},
        }};
        for (const auto& [control, escape] : named) {
            if (first == control) {
                return {std::string(escape), escape.size()};
            }
        }
        return {hex("\\x", first, 2), 4};
    }
    unsigned codePoint = 0;
    const std::size_t length = sequenceLength(text, codePoint);
    if (length == 0) {
        return {hex("\\x", first, 2), 4};
    }
    used = length;
    if (codePoint < 0xA0) { // the C1 controls, which some terminals obey as ESC sequences
        return {hex("\\u", codePoint, 4), 6};
    }
    return {std::string(text.substr(0, length)), 1};
}

} // namespace

std::string quoted(std::string_view text) {
    std::vector<Piece> pieces;
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t used = 0;
        pieces.push_back(echoOf(text.substr(at), used));
        width += pieces.back().width;
        at += used;
    }
    std::string echo = "'";
    if (width <= echoedCharacters) {
        for (const Piece& piece : pieces) {
            echo += piece.text;
        }
        return echo + "'";
    }
    // Whole characters and whole escapes only, with room left for the ellipsis.
    std::size_t shown = 0;
    for (const Piece& piece : pieces) {
        if (shown + piece.width > echoedCharacters - 1) {
            break;
        }
        echo += piece.text;
        shown += piece.width;
    }
    return echo + "\u2026'";
}

} // namespace zelmarino::cli
