// What --help prints.
#pragma once

#include <string_view>

namespace zelmarino::cli {

[[nodiscard]] std::string_view helpText();

} // namespace zelmarino::cli
