#include "formats/json_text.h"

#include "formats/output_common.h"
#include "text/number_text.h"

#include <cmath>

namespace zelmarino::formats::json {

std::string number(double value, int digits) {
    return std::isfinite(value) ? significant(value, digits) : "null";
}

std::string figure(const Quantity& quantity, double value) {
    const double shown = quantity.capped ? cappedReturnLoss(value) : value;
    return std::isfinite(shown) ? machineText(quantity, shown) : "null";
}

void appendText(std::string& out, std::string_view value) {
    out += '"';
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[static_cast<unsigned char>(c) >> 4U];
            out += hex[static_cast<unsigned char>(c) & 0xFU];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendCapped(std::string& out, const CheckField& field, double value) {
    if (field.quantity->capped) {
        append(out, ", \"", field.key,
               "_capped\": ", value >= returnLossCeilingDb ? "true" : "false");
    }
}

void appendCheck(std::string& out, const std::optional<PortCheck>& check) {
    if (!check) {
        out += "null";
        return;
    }
    const char* separator = "{";
    for (const CheckField& field : checkFields) {
        const double value = field.value(*check);
        append(out, separator, "\"", fieldKey(field), "\": ", figure(*field.quantity, value));
        appendCapped(out, field, value);
        separator = ", ";
    }
    out += '}';
}

} // namespace zelmarino::formats::json
