// The pieces of json that every json output writes alike: numbers, texts and a port check.
#pragma once

#include "formats/fields.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelmarino::formats::json {

// `digits` significant digits; null where it is not a number.
[[nodiscard]] std::string number(double value, int digits = 9);

// A figure as json holds it: null where it is not a number.
[[nodiscard]] std::string figure(const Quantity& quantity, double value);

// `value` in quotes, with what json must escape escaped.
void appendText(std::string& out, std::string_view value);

// `"input_return_loss_capped": true` beside a return loss, false below the ceiling: json has
// no ">120", and 120 written alone would read as measured. Nothing for other fields.
void appendCapped(std::string& out, const CheckField& field, double value);

// {"input_ohm": …, "loss_db": …}, every check field in order; null without a check.
void appendCheck(std::string& out, const std::optional<PortCheck>& check);

} // namespace zelmarino::formats::json
