// How a refusal echoes what was typed: in quotes, short, and on one line, so that a pasted
// escape sequence or a page of text cannot take over the terminal or bury the reason.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelmarino::cli {

// At most this many characters of what was typed are echoed, an ellipsis included.
inline constexpr std::size_t echoedCharacters = 40;

// 'text': control characters written as \e, \n, \t, \r or \xHH (\u0080 to \u009f for the
// C1 ones), bytes that are not UTF-8 as \xHH, and a longer text cut at a whole character
// with "…".
[[nodiscard]] std::string quoted(std::string_view text);

} // namespace zelmarino::cli
