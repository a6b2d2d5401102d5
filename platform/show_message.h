// A message box supplied from outside, for systems whose own services include none.
#pragma once

#include <functional>
#include <string>

namespace zelmarino::platform {

using ShowMessage = std::function<void(const std::string& title, const std::string& text)>;

} // namespace zelmarino::platform
