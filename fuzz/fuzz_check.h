// What the fuzz targets share: a property check that stops the run as a finding, and the
// character classes the texts are judged by.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zelmarino::fuzz {

// A property that failed is a finding like a crash: print what broke and abort, so libFuzzer
// keeps the input that shows it.
inline void check(bool holds, const char* property, std::string_view input = {}) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "property broken: %s\n  with: \"%.*s\"\n", property,
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when every character of `text` is one of `allowed`.
inline bool onlyFrom(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

} // namespace zelmarino::fuzz
