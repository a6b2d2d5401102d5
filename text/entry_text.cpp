#include "text/entry_text.h"

#include "text/decimal_digits.h"

namespace zelmarino {

std::string entryText(float value) {
    std::string text = generalText(value, 7);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

} // namespace zelmarino
